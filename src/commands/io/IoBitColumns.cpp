#include "commands/io/IoBitColumns.h"

namespace tarvik {

Frame& AddIoBitColumn(const IoBitColumnArrays& arrays, const IoBitColumn& column)
{
    if (arrays.numbers) {
        arrays.numbers->add(column.index, {.caption = column.number, .left = column.numberLeft,
                                           .top = column.numberTop, .width = column.numberWidth,
                                           .height = kIoColumnNumberHeight});
    }
    Frame& frame = arrays.frames.add(column.index, {.left = column.left, .top = column.top, .width = kIoColumnWidth,
                                                    .height = kIoColumnHeight});
    arrays.upper.add(column.optionIndex, {.left = kIoColumnOptionLeft, .top = kIoColumnUpperTop,
                                          .width = kIoColumnOptionSize, .height = kIoColumnOptionSize,
                                          .container = &frame});
    arrays.lower.add(column.optionIndex, {.left = kIoColumnOptionLeft, .top = kIoColumnLowerTop,
                                          .width = kIoColumnOptionSize, .height = kIoColumnOptionSize,
                                          .container = &frame})
        .setValue(true);
    return frame;
}

} // namespace tarvik
