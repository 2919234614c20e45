// Lanes of doubles (or of floats, twice as many per register) for the fast
// search: W values worked on at once, in the vector registers of whichever
// instruction set the including file is compiled for (GCC's vector
// extensions), and plain doubles (W = 1) with the same operations, so that
// one template serves both. A double given to an operation on lanes of
// floats is rounded to the nearest float first.
//
// The Tag keeps the code of each instruction set apart: every file built for
// one set names its own tag in an unnamed namespace, so no function made for
// AVX-512 can stand in for the same function of a plain x86-64 build.
#pragma once

#include <cstdint>
#include <cstring>
#include <limits>
#include <type_traits>

namespace tervala {

template <int W, class Tag, class T = double>
struct Lanes {
    using Scalar = T;
    using Int = std::conditional_t<sizeof(T) == 8, int64_t, int32_t>;
    typedef T Raw __attribute__((vector_size(sizeof(T) * W)));
    typedef Int Bits __attribute__((vector_size(sizeof(T) * W)));
    static constexpr int kWidth = W;

    Raw v;

    Lanes() = default;
    Lanes(double x) : v(Raw{} + T(x)) {}  // every lane x
    static Lanes FromRaw(Raw r) {
        Lanes l;
        l.v = r;
        return l;
    }
    static Lanes Load(const T* p) {
        Lanes l;
        __builtin_memcpy(&l.v, p, sizeof l.v);
        return l;
    }
    void Store(T* p) const { __builtin_memcpy(p, &v, sizeof v); }
};

// The number type of a lane.
template <class V>
struct LaneScalar {
    using Type = typename V::Scalar;
};
template <>
struct LaneScalar<double> {
    using Type = double;
};
template <>
struct LaneScalar<float> {
    using Type = float;
};

// All bits of a lane set where a comparison holds.
template <int W, class Tag, class T>
struct LaneMask {
    typename Lanes<W, Tag, T>::Bits m;
};

#define TERVALA_LANE_OP(op)                                                       \
    template <int W, class Tag, class T>                                          \
    inline Lanes<W, Tag, T> operator op(Lanes<W, Tag, T> a, Lanes<W, Tag, T> b) { \
        return Lanes<W, Tag, T>::FromRaw(a.v op b.v);                             \
    }                                                                             \
    template <int W, class Tag, class T>                                          \
    inline Lanes<W, Tag, T> operator op(Lanes<W, Tag, T> a, double b) {           \
        return Lanes<W, Tag, T>::FromRaw(a.v op T(b));                            \
    }                                                                             \
    template <int W, class Tag, class T>                                          \
    inline Lanes<W, Tag, T> operator op(double a, Lanes<W, Tag, T> b) {           \
        return Lanes<W, Tag, T>::FromRaw(T(a) op b.v);                            \
    }
TERVALA_LANE_OP(+)
TERVALA_LANE_OP(-)
TERVALA_LANE_OP(*)
TERVALA_LANE_OP(/)
#undef TERVALA_LANE_OP

template <int W, class Tag, class T>
inline Lanes<W, Tag, T> operator-(Lanes<W, Tag, T> a) {
    return Lanes<W, Tag, T>::FromRaw(-a.v);
}

#define TERVALA_LANE_COMPARE(op)                                                     \
    template <int W, class Tag, class T>                                             \
    inline LaneMask<W, Tag, T> operator op(Lanes<W, Tag, T> a, Lanes<W, Tag, T> b) { \
        return {a.v op b.v};                                                         \
    }                                                                                \
    template <int W, class Tag, class T>                                             \
    inline LaneMask<W, Tag, T> operator op(Lanes<W, Tag, T> a, double b) {           \
        return {a.v op(typename Lanes<W, Tag, T>::Raw{} + T(b))};                    \
    }
TERVALA_LANE_COMPARE(<)
TERVALA_LANE_COMPARE(<=)
TERVALA_LANE_COMPARE(>)
TERVALA_LANE_COMPARE(>=)
#undef TERVALA_LANE_COMPARE

template <int W, class Tag, class T>
inline LaneMask<W, Tag, T> operator&(LaneMask<W, Tag, T> a, LaneMask<W, Tag, T> b) {
    return {a.m & b.m};
}
template <int W, class Tag, class T>
inline LaneMask<W, Tag, T> operator|(LaneMask<W, Tag, T> a, LaneMask<W, Tag, T> b) {
    return {a.m | b.m};
}
template <int W, class Tag, class T>
inline LaneMask<W, Tag, T> operator!(LaneMask<W, Tag, T> a) {
    return {~a.m};
}

// a where the mask holds, b elsewhere.
template <int W, class Tag, class T>
inline Lanes<W, Tag, T> Select(LaneMask<W, Tag, T> mask, Lanes<W, Tag, T> a, Lanes<W, Tag, T> b) {
    using L = Lanes<W, Tag, T>;
    using Bits = typename L::Bits;
    return L::FromRaw(reinterpret_cast<typename L::Raw>((reinterpret_cast<Bits>(a.v) & mask.m) |
                                                        (reinterpret_cast<Bits>(b.v) & ~mask.m)));
}
template <int W, class Tag, class T>
inline bool Any(LaneMask<W, Tag, T> mask) {
    int64_t any = 0;
    for (int l = 0; l < W; ++l) any |= mask.m[l];
    return any != 0;
}
template <int W, class Tag, class T>
inline bool All(LaneMask<W, Tag, T> mask) {
    int64_t all = -1;
    for (int l = 0; l < W; ++l) all &= mask.m[l];
    return all != 0;
}

// The smaller (larger) of a and b; b where either is not a number.
template <int W, class Tag, class T>
inline Lanes<W, Tag, T> Min(Lanes<W, Tag, T> a, Lanes<W, Tag, T> b) {
    return Select(a < b, a, b);
}
template <int W, class Tag, class T>
inline Lanes<W, Tag, T> Max(Lanes<W, Tag, T> a, Lanes<W, Tag, T> b) {
    return Select(a > b, a, b);
}
template <int W, class Tag, class T>
inline Lanes<W, Tag, T> Abs(Lanes<W, Tag, T> a) {
    using L = Lanes<W, Tag, T>;
    using Bits = typename L::Bits;
    using Int = typename L::Int;
    return L::FromRaw(reinterpret_cast<typename L::Raw>(
        reinterpret_cast<Bits>(a.v) & (Bits{} + std::numeric_limits<Int>::max())));
}

// 2^n for whole numbers n held as doubles in [-1022, 1023] (exact), or as
// floats in [-126, 127].
template <int W, class Tag, class T>
inline Lanes<W, Tag, T> Pow2(Lanes<W, Tag, T> n) {
    using L = Lanes<W, Tag, T>;
    using Bits = typename L::Bits;
    using Int = typename L::Int;
    // Adding 1.5 * 2^52 (2^23) puts n in the low bits of the sum's significand.
    constexpr int kFraction = sizeof(T) == 8 ? 52 : 23;
    constexpr int kBias = sizeof(T) == 8 ? 1023 : 127;
    constexpr T kShift = T(1.5) * T(Int(1) << kFraction);
    const Bits shifted = reinterpret_cast<Bits>(n.v + kShift);
    const Bits bits = (shifted - __builtin_bit_cast(Int, kShift) + kBias) << kFraction;
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
