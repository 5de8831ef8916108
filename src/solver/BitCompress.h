#pragma once
// The bits of a word under a fixed mask, moved down together in their order
// (a software parallel bit extract). The five shift steps depend only on the
// mask, so they are worked out once and then applied to many words.

#include <cstdint>

namespace varelo::fast {

class BitCompress {
 public:
  explicit BitCompress(std::uint32_t mask) : mask_(mask) {
    std::uint32_t m = mask;
    std::uint32_t zerosBelow = ~m << 1;  // bit i: a zero of the mask below i, by parity
    for (int i = 0; i < 5; ++i) {
      std::uint32_t odd = zerosBelow ^ (zerosBelow << 1);
      odd ^= odd << 2;
      odd ^= odd << 4;
      odd ^= odd << 8;
      odd ^= odd << 16;
      const std::uint32_t move = odd & m;
      moves_[i] = move;
      m = (m ^ move) | (move >> (1 << i));
      zerosBelow &= ~odd;
    }
  }

  std::uint32_t operator()(std::uint32_t x) const {
    x &= mask_;
    for (int i = 0; i < 5; ++i) {
      const std::uint32_t t = x & moves_[i];
      x = (x ^ t) | (t >> (1 << i));
    }
    return x;
  }

 private:
  std::uint32_t mask_;
  std::uint32_t moves_[5];  // the bits that move down by 2^i at step i
};

}  // namespace varelo::fast
