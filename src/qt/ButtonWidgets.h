#pragma once

#include "qt/ControlWidget.h"

#include <QCheckBox>
#include <QStyle>
#include <QPushButton>
#include <QRadioButton>

namespace tarvik {

class CheckBox;
class CommandButton;
class OptionButton;

// Buttons let Qt show the press and report the click; the runtime decides what the click does
// (a check box or option button never changes its own state). A caption wider than the room its
// button gives it is cut short with an ellipsis and shown whole as the tooltip.

// The caption of one button, kept whole and shown fitted to the button's text room.
class ButtonCaption {
public:
    explicit ButtonCaption(QStyle::SubElement room) : room_(room) {}
    void set(QAbstractButton& button, const std::string& caption);
    // Shows the caption fitted to the button's size and font now.
    void fit(QAbstractButton& button) const;
    int overflow(const QAbstractButton& button) const;

private:
    int room(const QAbstractButton& button) const;

    QStyle::SubElement room_;
    QString whole_;
};

class CommandButtonWidget final : public QPushButton, public ControlWidget {
public:
    CommandButtonWidget(CommandButton& button, InputBridge& bridge, QWidget* parent);
    QWidget& widget() override { return *this; }
    int captionOverflow() const override { return caption_.overflow(*this); }

protected:
    void refresh() override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool mouse(QWidget&, QMouseEvent&) override { return false; }

private:
    ButtonCaption caption_{QStyle::SE_PushButtonContents};
};

class CheckBoxWidget final : public QCheckBox, public ControlWidget {
public:
    CheckBoxWidget(CheckBox& box, InputBridge& bridge, QWidget* parent);
    QWidget& widget() override { return *this; }
    int captionOverflow() const override { return caption_.overflow(*this); }

protected:
    void refresh() override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool mouse(QWidget&, QMouseEvent&) override { return false; }
    void nextCheckState() override {}

private:
    ButtonCaption caption_{QStyle::SE_CheckBoxContents};
};

class OptionButtonWidget final : public QRadioButton, public ControlWidget {
public:
    OptionButtonWidget(OptionButton& button, InputBridge& bridge, QWidget* parent);
    QWidget& widget() override { return *this; }
    int captionOverflow() const override { return caption_.overflow(*this); }

protected:
    void refresh() override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool mouse(QWidget&, QMouseEvent&) override { return false; }
    void nextCheckState() override {}

private:
    ButtonCaption caption_{QStyle::SE_RadioButtonContents};
};

} // namespace tarvik
