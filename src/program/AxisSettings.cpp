#include "program/AxisSettings.h"

namespace tarvik {

std::optional<double> axisSetting(const SettingsTables& tables, int typeCode, int board, int axis, AxisField field)
{
    std::optional<double> value;
    visitAxis(tables, typeCode, board, axis, [&](const auto& a) { value = axisFieldValue(a, field); });
    return value;
}

Stored setAxisSetting(SettingsTables& tables, int typeCode, int board, int axis, AxisField field, double value)
{
    Stored stored = Stored::NoSuchField;
    visitAxis(tables, typeCode, board, axis, [&](auto& a) { stored = storeAxisField(a, field, value); });
    return stored;
}

} // namespace tarvik
