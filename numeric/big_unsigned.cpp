#include "numeric/big_unsigned.h"

#include <algorithm>
#include <bit>

namespace quillora {
namespace {

constexpr int kLimbBits = 32;
constexpr std::uint32_t kLargestPowerOfFiveInLimb = 1220703125;  // 5^13
constexpr int kLargestPowerOfFiveExponent = 13;

void DropLeadingZeroLimbs(BigUnsigned& value) {
    while (value.used > 0 && value.limbs[value.used - 1] == 0) {
        --value.used;
    }
}

void ShiftRightOne(BigUnsigned& value) {
    for (int i = 0; i < value.used; ++i) {
        const std::uint32_t next = i + 1 < value.used ? value.limbs[i + 1] : 0;
        value.limbs[i] = (value.limbs[i] >> 1) | (next << (kLimbBits - 1));
    }
    DropLeadingZeroLimbs(value);
}

}  // namespace

BigUnsigned BigFromUint64(std::uint64_t value) {
    BigUnsigned big;
    big.limbs[0] = static_cast<std::uint32_t>(value);
    big.limbs[1] = static_cast<std::uint32_t>(value >> kLimbBits);
    big.used = 2;
    DropLeadingZeroLimbs(big);
    return big;
}

void MultiplyAddSmall(BigUnsigned& value, std::uint32_t factor, std::uint32_t addend) {
    std::uint64_t carry = addend;
    for (int i = 0; i < value.used; ++i) {
        const std::uint64_t product = std::uint64_t{value.limbs[i]} * factor + carry;
        value.limbs[i] = static_cast<std::uint32_t>(product);
        carry = product >> kLimbBits;
    }
    if (carry != 0 && value.used < BigUnsigned::kLimbCount) {
        value.limbs[value.used++] = static_cast<std::uint32_t>(carry);
    }
    DropLeadingZeroLimbs(value);
}

void MultiplyByPowerOfTen(BigUnsigned& value, int exponent) {
    // 10^n = 5^n * 2^n: multiply by the largest powers of five that fit a limb, then shift.
    for (int left = exponent; left > 0; left -= kLargestPowerOfFiveExponent) {
        std::uint32_t factor = kLargestPowerOfFiveInLimb;
        if (left < kLargestPowerOfFiveExponent) {
            factor = 1;
            for (int i = 0; i < left; ++i) {
                factor *= 5;
            }
        }
        MultiplyAddSmall(value, factor, 0);
    }
    ShiftLeft(value, exponent);
}

void ShiftLeft(BigUnsigned& value, int bits) {
    if (value.used == 0 || bits == 0) {
        return;
    }
    const int limbShift = bits / kLimbBits;
    const int bitShift = bits % kLimbBits;
    const int oldUsed = value.used;
    value.used = std::min(oldUsed + limbShift + 1, BigUnsigned::kLimbCount);
    for (int i = value.used - 1; i >= limbShift; --i) {
        const int source = i - limbShift;
        const std::uint32_t high = source < oldUsed ? value.limbs[source] : 0;
        const std::uint32_t low = source >= 1 && source - 1 < oldUsed ? value.limbs[source - 1] : 0;
        value.limbs[i] =
            bitShift == 0 ? high : (high << bitShift) | (low >> (kLimbBits - bitShift));
    }
    std::fill(value.limbs.begin(), value.limbs.begin() + limbShift, 0u);
    DropLeadingZeroLimbs(value);
}

int BitLength(const BigUnsigned& value) {
    if (value.used == 0) {
        return 0;
    }
    return (value.used - 1) * kLimbBits +
           static_cast<int>(std::bit_width(value.limbs[value.used - 1]));
}

int Compare(const BigUnsigned& a, const BigUnsigned& b) {
    if (a.used != b.used) {
        return a.used < b.used ? -1 : 1;
    }
    for (int i = a.used - 1; i >= 0; --i) {
        if (a.limbs[i] != b.limbs[i]) {
            return a.limbs[i] < b.limbs[i] ? -1 : 1;
        }
    }
    return 0;
}

void Subtract(BigUnsigned& a, const BigUnsigned& b) {
    std::uint32_t borrow = 0;
    for (int i = 0; i < a.used; ++i) {
        const std::uint64_t subtrahend = std::uint64_t{i < b.used ? b.limbs[i] : 0u} + borrow;
        borrow = a.limbs[i] < subtrahend ? 1 : 0;
        a.limbs[i] = static_cast<std::uint32_t>(a.limbs[i] - subtrahend);
    }
    DropLeadingZeroLimbs(a);
}

std::uint64_t DivideSmallQuotient(BigUnsigned& dividend, const BigUnsigned& divisor,
                                  int quotientBits) {
    // Restoring division, one quotient bit at a time from the top.
    BigUnsigned shifted = divisor;
    ShiftLeft(shifted, quotientBits - 1);
    std::uint64_t quotient = 0;
    for (int bit = quotientBits - 1; bit >= 0; --bit) {
        if (Compare(dividend, shifted) >= 0) {
            Subtract(dividend, shifted);
            quotient |= std::uint64_t{1} << bit;
        }
        ShiftRightOne(shifted);
    }
    return quotient;
}

}  // namespace quillora
