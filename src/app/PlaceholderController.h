#pragma once

#include "ui/ViewController.h"

// An empty screen that holds a tab's place, with the tab's title and icon, until the tab's
// own screen is built.
class PlaceholderController : public ui::ViewController {
    Q_OBJECT
public:
    PlaceholderController(const QString& title, const QPixmap& icon, QObject* parent = nullptr);

protected:
    void loadView() override;
};
