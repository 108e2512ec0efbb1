#include "commands/motion/MasterSlaveDialog.h"

namespace tarvik {

MasterSlaveDialog::MasterSlaveDialog(App& app)
    : CommandDialog(app, {.name = "mstrslav",
                          .caption = "Master Slave Configure",
                          .helpTopic = 358,
                          .mask = kServoGroups,
                          .boardLabelName = "BoardIDLabel",
                          .axis = CommandAxisField{.labelName = "AxisLabel"},
                          .modeList = CommandModeList{.rows = {{"Normal Axis", 0},
                                                               {"Normal Slave", 0x00FF},
                                                               {"Reverse Slave", -256},
                                                               {"Master", -1}},
                                                      .loadRow = 3},
                          .clearing = {.formClick = false},
                          .runStartsEnabled = true,
                          .call = [](CommandRun& run) {
                              return run.driver.master_slave_cfg(run.board, run.axis, run.mode);
                          }})
{
}

} // namespace tarvik
