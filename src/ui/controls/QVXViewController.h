#pragma once

#include "ui/ViewController.h"

// A simple screen of the application: its view is the background image over the whole screen.
class QVXViewController : public ui::ViewController {
    Q_OBJECT
public:
    explicit QVXViewController(QObject* parent = nullptr);

protected:
    void loadView() override;
};
