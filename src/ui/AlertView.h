#pragma once

#include <QPointer>
#include <QWidget>

class QLabel;
class QPushButton;
class QScrollArea;

namespace ui {

// A message over the window with one button, or with a cancel button and a second one side by
// side for a question. show() returns at once (the event loop never blocks); the alert stays
// until a button is clicked, Return (the last button) or Escape (the first) is pressed, or
// dismiss() is called, and then it deletes itself. current() finds the topmost open alert.
class AlertView : public QWidget {
    Q_OBJECT
public:
    AlertView(const QString& title, const QString& message, const QString& buttonTitle);
    AlertView(const QString& title, const QString& message, const QString& cancelButtonTitle,
              const QString& otherButtonTitle);
    ~AlertView() override;

    // Covers the active window (or, without one, stands as a window of its own).
    void show();
    // Covers the given widget.
    void showIn(QWidget* host);
    // Closes the alert as a click on its first button does.
    void dismiss();
    void dismissWithClickedButtonIndex(int index);

    QString title() const;
    QString message() const;
    QString buttonTitle() const;
    QPushButton* button() const { return button_; }
    // The second button, or nullptr.
    QPushButton* otherButton() const { return otherButton_; }

    // The most recently shown alert that is still open, or nullptr.
    static AlertView* current();

signals:
    // A button was chosen (0 the first, 1 the other); the alert is closing.
    void clickedButtonAtIndex(int index);

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    // While it shows, every key but Quit is the alert's: nothing moves behind it, and the focus
    // stays in it.
    bool event(QEvent* event) override;
    bool focusNextPrevChild(bool next) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void layoutPanel();
    static void styleButton(QPushButton* button);

    QWidget* panel_;
    QLabel* title_;
    QScrollArea* scroll_;
    QLabel* message_;
    QPushButton* button_;
    QPushButton* otherButton_ = nullptr;
    QPointer<QWidget> host_;
    // Gets the focus back when the alert closes.
    QPointer<QWidget> previousFocus_;
    bool closing_ = false;
};

} // namespace ui
