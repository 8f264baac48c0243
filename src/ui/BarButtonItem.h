#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>

namespace ui {

// A button for a navigation bar or a toolbar: a title (or the system Add sign, or a custom
// widget), a style and an enabled state. The bar shows it with a BarButton whose objectName is
// the title ("Add" for the system Add button), so tests and automation can find it.
class BarButtonItem : public QObject {
    Q_OBJECT
public:
    // Done marks the button that confirms the screen (Save, Done): Return presses it.
    enum class Style { Plain, Bordered, Done };
    enum class Kind { Titled, SystemAdd, FlexibleSpace, Custom };

    explicit BarButtonItem(const QString& title, Style style = Style::Bordered,
                           QObject* parent = nullptr);
    static BarButtonItem* systemAdd(QObject* parent = nullptr);
    // Takes a widget (a label, a segmented control) to place in a toolbar.
    static BarButtonItem* withCustomView(QWidget* view, QObject* parent = nullptr);
    // Pushes the items after it to the far side of a toolbar.
    static BarButtonItem* flexibleSpace(QObject* parent = nullptr);
    ~BarButtonItem() override;

    Kind kind() const { return kind_; }
    Style style() const { return style_; }
    void setStyle(Style style);
    QString title() const { return title_; }
    void setTitle(const QString& title);
    bool isEnabled() const { return enabled_; }
    void setEnabled(bool enabled);
    // What a click on its button does (the keyboard's way in): triggered, when enabled.
    void trigger();
    QWidget* customView() const { return customView_; }

signals:
    void triggered();
    void changed();

private:
    BarButtonItem(Kind kind, QObject* parent);

    Kind kind_;
    Style style_ = Style::Bordered;
    QString title_;
    bool enabled_ = true;
    QPointer<QWidget> customView_;
};

} // namespace ui
