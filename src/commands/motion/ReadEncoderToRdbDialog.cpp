#include "commands/motion/ReadEncoderToRdbDialog.h"

#include "commands/motion/AxisCommandDesign.h"

namespace tarvik {

namespace {

CommandDesign readEncoderToBuffer()
{
    CommandDesign design = axisCommandDesign(&MotionDriver::read_encoder_rdb,
                                             {.name = "frm59", .caption = "Read Encoder to RDB", .helpTopic = 367, .mask = kClosedLoopStepperGroups});
    design.notice = CommandNotice{
        .text = "Warning: Do not use this function while the Stepper or Servo Test Panel is open.\r\n",
        .backColor = 0xFFFF80};
    return design;
}

} // namespace

ReadEncoderToRdbDialog::ReadEncoderToRdbDialog(App& app) : CommandDialog(app, readEncoderToBuffer()) {}

} // namespace tarvik
