#pragma once

#include "runtime/Control.h"

#include <string>

namespace tarvik {

// A label. Its caption may carry an access key that moves the focus to the next control in tab
// order. Changing the caption raises Change.
class Label : public Control {
public:
    enum class Alignment { Left = 0, Right = 1, Center = 2 };

    Label(Form* form, std::string name, Design design = {});

    const std::string& caption() const { return caption_; }
    void setCaption(std::string caption);
    Alignment alignment() const { return alignment_; }
    void setAlignment(Alignment alignment);
    Color foreColor() const { return foreColor_; }
    void setForeColor(Color color);
    Color backColor() const { return backColor_; }
    void setBackColor(Color color);

private:
    std::string caption_;
    Alignment alignment_ = Alignment::Left;
    Color foreColor_ = colors::Black;
    Color backColor_ = colors::ButtonFace;
};

// A frame: a captioned container. Hiding or disabling it hides or disables what it holds, and it
// is the group of the option buttons inside it.
class Frame : public Control {
public:
    Frame(Form* form, std::string name, Design design = {});

    const std::string& caption() const { return caption_; }
    void setCaption(std::string caption);

private:
    std::string caption_;
};

// A drawn figure, shape or line: a border of a colour and width, and no clicks of its own.
class DrawnControl : public Control {
public:
    Color borderColor() const { return borderColor_; }
    int borderWidth() const { return borderWidth_; }

protected:
    DrawnControl(Form* form, std::string name, Design design, ControlKind kind);

private:
    void userClick() override {}
    void userDoubleClick() override {}

    Color borderColor_ = colors::Black;
    int borderWidth_ = 1;
};

// A shape: rectangle, square, oval, circle or rounded forms, with border and fill.
class Shape : public DrawnControl {
public:
    enum class Kind { Rectangle = 0, Square = 1, Oval = 2, Circle = 3, RoundedRectangle = 4, RoundedSquare = 5 };
    static constexpr int SolidFill = 0;
    static constexpr int TransparentFill = 1;

    Shape(Form* form, std::string name, Design design = {}, Kind kind = Kind::Rectangle);

    Kind shape() const { return shape_; }
    void setShape(Kind shape);
    Color fillColor() const { return fillColor_; }
    void setFillColor(Color color);
    // 0 solid, 1 transparent, 2..7 hatch patterns.
    int fillStyle() const { return fillStyle_; }
    void setFillStyle(int style);

private:
    Kind shape_;
    Color fillColor_ = colors::Black;
    int fillStyle_ = TransparentFill;
};

// A line drawn on the form between (X1, Y1) and (X2, Y2), in twips.
class Line : public DrawnControl {
public:
    Line(Form* form, std::string name, float x1, float y1, float x2, float y2, Control* container = nullptr);

    float x1() const { return x1_; }
    float y1() const { return y1_; }
    float x2() const { return x2_; }
    float y2() const { return y2_; }

private:
    float x1_;
    float y1_;
    float x2_;
    float y2_;
};

// An image showing a picture named by the program's resources.
class Image : public Control {
public:
    Image(Form* form, std::string name, Design design = {});

    const std::string& picture() const { return picture_; }
    void setPicture(std::string picture);
    bool stretch() const { return stretch_; }
    void setStretch(bool stretch);

private:
    std::string picture_;
    bool stretch_ = false;
};

// Our gauge: a dial whose needle shows Value between Min and Max (Max is the full scale).
class Gauge : public Control {
public:
    Gauge(Form* form, std::string name, Design design = {});

    int min() const { return min_; }
    void setMin(int min);
    int max() const { return max_; }
    void setMax(int max);
    int value() const { return value_; }
    void setValue(int value);
    // The shown fraction of the scale, 0.0 .. 1.0.
    double fraction() const;

private:
    void userClick() override {}
    void userDoubleClick() override {}

    int min_ = 0;
    int max_ = 100;
    int value_ = 0;
};

} // namespace tarvik
