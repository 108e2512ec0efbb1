#pragma once

#include "forms/qt/ControlWidget.h"

#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>

namespace tarvik {

class CheckBox;
class CommandButton;
class OptionButton;

// Buttons let Qt show the press and report the click; the runtime decides what the click does
// (a check box or option button never changes its own state).

class CommandButtonWidget final : public QPushButton, public ControlWidget {
public:
    CommandButtonWidget(CommandButton& button, InputBridge& bridge, QWidget* parent);
    QWidget& widget() override { return *this; }

protected:
    void refresh() override;
    bool mouse(QWidget&, QMouseEvent&) override { return false; }
};

class CheckBoxWidget final : public QCheckBox, public ControlWidget {
public:
    CheckBoxWidget(CheckBox& box, InputBridge& bridge, QWidget* parent);
    QWidget& widget() override { return *this; }

protected:
    void refresh() override;
    bool mouse(QWidget&, QMouseEvent&) override { return false; }
    void nextCheckState() override {}
};

class OptionButtonWidget final : public QRadioButton, public ControlWidget {
public:
    OptionButtonWidget(OptionButton& button, InputBridge& bridge, QWidget* parent);
    QWidget& widget() override { return *this; }

protected:
    void refresh() override;
    bool mouse(QWidget&, QMouseEvent&) override { return false; }
    void nextCheckState() override {}
};

} // namespace tarvik
