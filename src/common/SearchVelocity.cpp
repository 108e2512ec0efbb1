#include "common/SearchVelocity.h"

#include "base/NumberText.h"
#include "driver/StatusText.h"

namespace tarvik {

DriverStatus LoadSearchVelocity(MotionDriver& driver, std::int16_t board, std::int16_t axis, double rpm)
{
    if (const DriverStatus status = driver.load_rpm(board, axis, rpm)) return status;
    return driver.load_rpsps(board, axis, rpm / kSearchRpmPerRpsps);
}

bool LoadSearchVelocity(MotionDriver& driver, std::int16_t board, std::int16_t axis, double rpm, TextBox& statusBox)
{
    const DriverStatus status = LoadSearchVelocity(driver, board, axis, rpm);
    if (status != ZEVA_noError) statusBox.setText(StatusText(status));
    return status == ZEVA_noError;
}

std::string NothingToSearchOn(std::int16_t board)
{
    return "Board " + strTrimmed(board) + " is not a configured board: there is nothing to search on.";
}

} // namespace tarvik
