#pragma once

class App;
class QWidget;

// "&Save": writes the birth data of the reading on screen to a reading file.
void SaveReading(App& app, QWidget* parent);
