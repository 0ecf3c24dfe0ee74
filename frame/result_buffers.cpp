#include "frame/result_buffers.h"

#include <cstring>

namespace zt::frame {

SharedResultBuffer& shared_result_buffer() noexcept
{
    static SharedResultBuffer buffer{' ', '\0'};
    return buffer;
}

MessageResult& message_result() noexcept
{
    static MessageResult buffer{};
    return buffer;
}

void put_message(const char* text) noexcept
{
    MessageResult& buffer = message_result();
    buffer.fill('\0');
    std::strncpy(buffer.data(), text, message_capacity - 1);
}

} // namespace zt::frame
