#include "driver/StatusWords.h"

#include "driver/BoardTypes.h"

namespace tarvik {

const CsrLayout& csrLayoutOfType(int typeCode)
{
    if (axisCountOf(typeCode) == 3) return CsrNarrowLayout;
    if (classOf(typeCode) == BoardClass::Encoder) return CsrEncoderLayout;
    return CsrWideLayout;
}

} // namespace tarvik
