#pragma once

#include "core/reply_wait.h"

// Shortens the total limit of every request to a test's pace for the life of the object.
class ShortRequestLimit
{
public:
    explicit ShortRequestLimit(int ms) : m_previous(RequestTotalLimitMs()) { SetRequestTotalLimitMs(ms); }
    ~ShortRequestLimit() { SetRequestTotalLimitMs(m_previous); }
    ShortRequestLimit(const ShortRequestLimit&) = delete;
    ShortRequestLimit& operator=(const ShortRequestLimit&) = delete;

private:
    int m_previous;
};
