#pragma once

#include <QPushButton>

// A push button whose caption wraps onto more lines when the button is
// narrower than its text, so that a long caption fits beside a column of
// boxes at any font size.
class WrappingButton : public QPushButton {
    Q_OBJECT
public:
    using QPushButton::QPushButton;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int margin() const;
    // The caption as seen: "&&" shows a single ampersand.
    QString shownText() const;
    int widestWord() const;
};
