// Fixed-size global tables indexed from 0 to an inclusive upper bound per dimension. A read outside the
// ranges gives the empty value (0 for control numbers: no control) and a write outside is ignored, so a
// walk or a lookup with a stray index can never corrupt memory or name a real control by accident.
#pragma once

#include <array>
#include <cstddef>
#include <string>

template <typename T, int... Upper>
class BoundedArray {
 public:
  static constexpr std::size_t kCells = ((std::size_t(Upper) + 1) * ...);

  template <typename... I>
  T& operator()(I... index) {
    static_assert(sizeof...(I) == sizeof...(Upper), "wrong number of indices");
    std::size_t cell = 0;
    if (!Locate(cell, int(index)...)) {
      outside_ = T{};  // a write lands here and is forgotten by the next access
      return outside_;
    }
    return cells_[cell];
  }

  template <typename... I>
  T operator()(I... index) const {
    std::size_t cell = 0;
    return Locate(cell, int(index)...) ? cells_[cell] : T{};
  }

  void Clear() { cells_.fill(T{}); }

  static constexpr bool InRange(auto... index) {
    std::size_t cell = 0;
    return Locate(cell, int(index)...);
  }

  // Every cell in storage order (row-major); used by walks over a whole worksheet's controls.
  const std::array<T, kCells>& Cells() const { return cells_; }

 private:
  static constexpr bool Locate(std::size_t& cell, auto... index) {
    constexpr int upper[] = {Upper...};
    const int idx[] = {index...};
    cell = 0;
    for (std::size_t d = 0; d < sizeof...(Upper); ++d) {
      if (idx[d] < 0 || idx[d] > upper[d]) return false;
      cell = cell * (std::size_t(upper[d]) + 1) + std::size_t(idx[d]);
    }
    return true;
  }

  std::array<T, kCells> cells_{};
  T outside_{};
};
