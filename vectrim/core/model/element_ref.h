// Element references and the small codes that travel with them.
//
// The contour order table and the free-end table name an element by one
// 32-bit number: a line index below 100000, or an arc index + 100000. This
// header is the only place that knows the encoding; everything else asks an
// ElementRef whether it is a line or an arc and for its index.
#pragma once

#include "tolerances.h"

#include <cstdint>

namespace vectrim {

// Kind of an element as the stages pass it around (16-bit: 1 line, 2 arc;
// 0 where nothing was found).
enum class ElementKind : int16_t { None = 0, Line = 1, Arc = 2 };

// Which end of an element (16-bit: 1 its start point, 2 its end point).
enum class EndCode : int16_t { None = 0, Start = 1, End = 2 };

class ElementRef {
public:
    constexpr ElementRef() = default;
    static constexpr ElementRef line(int32_t index) { return ElementRef(index); }
    static constexpr ElementRef arc(int32_t index) { return ElementRef(index + kArcRef); }
    static constexpr ElementRef of(ElementKind kind, int32_t index) {
        return kind == ElementKind::Arc ? arc(index) : line(index);
    }
    // The reference as stored and written: line index, or arc index + 100000.
    static constexpr ElementRef fromRaw(int32_t raw) { return ElementRef(raw); }
    constexpr int32_t raw() const { return raw_; }

    constexpr bool isArc() const { return raw_ >= kArcRef; }
    constexpr bool isLine() const { return raw_ >= 0 && raw_ < kArcRef; }
    constexpr ElementKind kind() const {
        return isArc() ? ElementKind::Arc : isLine() ? ElementKind::Line : ElementKind::None;
    }
    // The index in the element's own table.
    constexpr int32_t index() const { return isArc() ? raw_ - kArcRef : raw_; }

    friend constexpr bool operator==(ElementRef, ElementRef) = default;

private:
    constexpr explicit ElementRef(int32_t raw) : raw_(raw) {}
    int32_t raw_ = 0;
};

} // namespace vectrim
