#pragma once

#include <QLabel>

// A label that acts as a link: a pointing-hand cursor and a clicked() signal.
class ClickableLabel : public QLabel {
    Q_OBJECT
public:
    explicit ClickableLabel(const QString& text = {}, QWidget* parent = nullptr);
    explicit ClickableLabel(QWidget* parent) : ClickableLabel(QString(), parent) {}

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};
