#include "error.h"

namespace store {

Error::Error(Kind kind, QString message, QString file)
    : m_kind(kind), m_message(std::move(message)), m_file(std::move(file)), m_utf8(m_message.toUtf8())
{
}

} // namespace store
