#include "frame/shared_result_buffer.h"

namespace zt::frame {

SharedResultBuffer& shared_result_buffer() noexcept
{
    static SharedResultBuffer buffer{' ', '\0'};
    return buffer;
}

} // namespace zt::frame
