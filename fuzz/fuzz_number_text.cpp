// The general number text of any double: well-formed, and it reads back as the value rounded to
// 15 significant digits.

#include "kinematics/NumberText.h"
#include "FuzzInput.h"

#include <cmath>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzInput input(data, size);
    double x = 0;
    if (!input.Take(x))
        return 0;
    const std::string text = FormatGeneral(x);
    if (text.empty() || text.find('.') != std::string::npos)
        std::abort();
    if (std::isfinite(x) && std::fabs(x) < 1e300) {
        const auto back = ParseDecimal(text);
        if (!back)
            std::abort();
        const double tolerance = std::fabs(x) * 1e-14;
        if (x != 0 && std::fabs(*back - x) > tolerance && std::fabs(x) > 1e-300)
            std::abort();
    }
    return 0;
}
