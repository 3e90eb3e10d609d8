#pragma once

#include "rules/Clock.h"

namespace quillane {

class FixedClock final : public Clock {
public:
    explicit FixedClock(LocalDateTime at) : m_at(at) {}
    LocalDateTime now() const override { return m_at; }

private:
    LocalDateTime m_at;
};

} // namespace quillane
