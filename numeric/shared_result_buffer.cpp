#include "numeric/shared_result_buffer.h"

namespace zt::numeric {

SharedResultBuffer& shared_result_buffer() noexcept
{
    static SharedResultBuffer buffer{' ', '\0'};
    return buffer;
}

} // namespace zt::numeric
