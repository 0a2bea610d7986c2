// EffectPool.h: a fixed set of reusable effects, handed out when one is free.
#pragma once

#include <array>
#include <cstddef>
#include <span>
#include <utility>

// All members are built with the pool, from the same constructor arguments, and live as long
// as it. A member is free while it reports itself inactive: the scene has dropped it (or it
// never ran), so it may be started again. Nothing allocates after construction.
//
//     if (FloatingScore* score = m_scores.acquire()) {
//         score->start(font, x, y, 546, 461, points, 0.0f, 1.0f);
//         m_scene.add(score);
//     }
template <typename Effect, std::size_t Count>
class EffectPool {
public:
    template <typename... Args>
    explicit EffectPool(Args&&... args)
        : m_members(build(std::make_index_sequence<Count>{}, args...)) {}
    EffectPool(const EffectPool&) = delete;
    EffectPool& operator=(const EffectPool&) = delete;

    // The first member that is not active, or null when all are busy: the caller then drops its
    // request.
    Effect* acquire() {
        for (Effect& member : m_members) {
            if (!member.isActive()) {
                return &member;
            }
        }
        return nullptr;
    }
    std::span<Effect, Count> members() { return m_members; }
    static constexpr std::size_t size() { return Count; }

private:
    template <std::size_t... Index, typename... Args>
    static std::array<Effect, Count> build(std::index_sequence<Index...>, Args&... args) {
        return {{((void)Index, Effect(args...))...}};
    }

    std::array<Effect, Count> m_members;
};
