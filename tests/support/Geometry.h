#pragma once
// Where a control should be: design twips as pixels, and a comparison that allows for the
// rounding of whole pixels.
#include <gtest/gtest.h>

#include <QRect>
#include <cstdlib>

namespace norva::testing {

// A design rectangle in twips (15 to a pixel), edges rounded as the layout rounds them.
inline QRect Px(double l, double t, double w, double h) {
    return QRect(qRound(l / 15), qRound(t / 15), qRound((l + w) / 15) - qRound(l / 15),
                 qRound((t + h) / 15) - qRound(t / 15));
}

// Design twips never land on whole pixels exactly: each edge may be one pixel off.
inline ::testing::AssertionResult Near(const QRect& got, const QRect& want) {
    if (std::abs(got.left() - want.left()) <= 1 && std::abs(got.top() - want.top()) <= 1 &&
        std::abs(got.right() - want.right()) <= 1 && std::abs(got.bottom() - want.bottom()) <= 1)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << "got " << got.x() << "," << got.y() << " " << got.width() << "x" << got.height()
           << ", want " << want.x() << "," << want.y() << " " << want.width() << "x"
           << want.height();
}

}  // namespace norva::testing
