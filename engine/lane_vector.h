// Lanes of doubles for the fast search: W values worked on at once, in the
// vector registers of whichever instruction set the including file is
// compiled for (GCC's vector extensions), and plain doubles (W = 1) with the
// same operations, so that one template serves both.
//
// The Tag keeps the code of each instruction set apart: every file built for
// one set names its own tag in an unnamed namespace, so no function made for
// AVX-512 can stand in for the same function of a plain x86-64 build.
#pragma once

#include <cstdint>
#include <cstring>

namespace tervala {

template <int W, class Tag>
struct Lanes {
    typedef double Raw __attribute__((vector_size(8 * W)));
    typedef int64_t Bits __attribute__((vector_size(8 * W)));
    static constexpr int kWidth = W;

    Raw v;

    Lanes() = default;
    Lanes(double x) : v(Raw{} + x) {}  // every lane x
    static Lanes FromRaw(Raw r) {
        Lanes l;
        l.v = r;
        return l;
    }
    static Lanes Load(const double* p) {
        Lanes l;
        __builtin_memcpy(&l.v, p, sizeof l.v);
        return l;
    }
    void Store(double* p) const { __builtin_memcpy(p, &v, sizeof v); }
};

// All bits of a lane set where a comparison holds.
template <int W, class Tag>
struct LaneMask {
    typename Lanes<W, Tag>::Bits m;
};

#define TERVALA_LANE_OP(op)                                              \
    template <int W, class Tag>                                          \
    inline Lanes<W, Tag> operator op(Lanes<W, Tag> a, Lanes<W, Tag> b) { \
        return Lanes<W, Tag>::FromRaw(a.v op b.v);                       \
    }                                                                    \
    template <int W, class Tag>                                          \
    inline Lanes<W, Tag> operator op(Lanes<W, Tag> a, double b) {        \
        return Lanes<W, Tag>::FromRaw(a.v op b);                         \
    }                                                                    \
    template <int W, class Tag>                                          \
    inline Lanes<W, Tag> operator op(double a, Lanes<W, Tag> b) {        \
        return Lanes<W, Tag>::FromRaw(a op b.v);                         \
    }
TERVALA_LANE_OP(+)
TERVALA_LANE_OP(-)
TERVALA_LANE_OP(*)
TERVALA_LANE_OP(/)
#undef TERVALA_LANE_OP

template <int W, class Tag>
inline Lanes<W, Tag> operator-(Lanes<W, Tag> a) {
    return Lanes<W, Tag>::FromRaw(-a.v);
}

#define TERVALA_LANE_COMPARE(op)                                            \
    template <int W, class Tag>                                             \
    inline LaneMask<W, Tag> operator op(Lanes<W, Tag> a, Lanes<W, Tag> b) { \
        return {a.v op b.v};                                                \
    }                                                                       \
    template <int W, class Tag>                                             \
    inline LaneMask<W, Tag> operator op(Lanes<W, Tag> a, double b) {        \
        return {a.v op(typename Lanes<W, Tag>::Raw{} + b)};                 \
    }
TERVALA_LANE_COMPARE(<)
TERVALA_LANE_COMPARE(<=)
TERVALA_LANE_COMPARE(>)
TERVALA_LANE_COMPARE(>=)
#undef TERVALA_LANE_COMPARE

template <int W, class Tag>
inline LaneMask<W, Tag> operator&(LaneMask<W, Tag> a, LaneMask<W, Tag> b) {
    return {a.m & b.m};
}
template <int W, class Tag>
inline LaneMask<W, Tag> operator|(LaneMask<W, Tag> a, LaneMask<W, Tag> b) {
    return {a.m | b.m};
}
template <int W, class Tag>
inline LaneMask<W, Tag> operator!(LaneMask<W, Tag> a) {
    return {~a.m};
}

// a where the mask holds, b elsewhere.
template <int W, class Tag>
inline Lanes<W, Tag> Select(LaneMask<W, Tag> mask, Lanes<W, Tag> a, Lanes<W, Tag> b) {
    using L = Lanes<W, Tag>;
    using Bits = typename L::Bits;
    return L::FromRaw(reinterpret_cast<typename L::Raw>((reinterpret_cast<Bits>(a.v) & mask.m) |
                                                        (reinterpret_cast<Bits>(b.v) & ~mask.m)));
}
template <int W, class Tag>
inline bool Any(LaneMask<W, Tag> mask) {
    int64_t any = 0;
    for (int l = 0; l < W; ++l) any |= mask.m[l];
    return any != 0;
}
template <int W, class Tag>
inline bool All(LaneMask<W, Tag> mask) {
    int64_t all = -1;
    for (int l = 0; l < W; ++l) all &= mask.m[l];
    return all != 0;
}

// The smaller (larger) of a and b; b where either is not a number.
template <int W, class Tag>
inline Lanes<W, Tag> Min(Lanes<W, Tag> a, Lanes<W, Tag> b) {
    return Select(a < b, a, b);
}
template <int W, class Tag>
inline Lanes<W, Tag> Max(Lanes<W, Tag> a, Lanes<W, Tag> b) {
    return Select(a > b, a, b);
}
template <int W, class Tag>
inline Lanes<W, Tag> Abs(Lanes<W, Tag> a) {
    using L = Lanes<W, Tag>;
    using Bits = typename L::Bits;
    return L::FromRaw(
        reinterpret_cast<typename L::Raw>(reinterpret_cast<Bits>(a.v) & (Bits{} + INT64_MAX)));
}

// 2^n for whole numbers n in [-1022, 1023] held as doubles (exact).
template <int W, class Tag>
inline Lanes<W, Tag> Pow2(Lanes<W, Tag> n) {
    using L = Lanes<W, Tag>;
    using Bits = typename L::Bits;
    // Adding 1.5 * 2^52 puts n in the low bits of the sum's significand.
    constexpr double kShift = 0x1.8p52;
    const Bits shifted = reinterpret_cast<Bits>(n.v + kShift);
    const Bits bits = (shifted - __builtin_bit_cast(int64_t, kShift) + 1023) << 52;
    return L::FromRaw(reinterpret_cast<typename L::Raw>(bits));
}

// The same operations on plain doubles.
inline double Select(bool mask, double a, double b) { return mask ? a : b; }
inline bool Any(bool mask) { return mask; }
inline bool All(bool mask) { return mask; }
inline double Min(double a, double b) { return a < b ? a : b; }
inline double Max(double a, double b) { return a > b ? a : b; }
inline double Abs(double a) { return a < 0 ? -a : a; }
inline double Pow2(double n) {
    return __builtin_bit_cast(double, (static_cast<int64_t>(n) + 1023) << 52);
}

}  // namespace tervala
