// Threshold criteria over a grey-level histogram. Each criterion considers
// thresholds t in [lowest, highest - 1] occurring level, splitting the
// histogram into the levels <= t and the levels > t.
#include <algorithm>
#include <cmath>
#include <limits>

#include "imaging/threshold.h"

namespace dravolt::imaging {

namespace {

struct Range {
    int lo = -1, hi = -1;
    bool empty() const { return lo < 0; }
};

Range OccurringRange(const Histogram& h) {
    Range r;
    for (int i = 0; i < 256; ++i)
        if (h[static_cast<std::size_t>(i)]) {
            if (r.lo < 0) r.lo = i;
            r.hi = i;
        }
    return r;
}

// Weight, mean and variance of a class, plus the sum of n ln n over its
// levels (for the entropy).
struct ClassStats {
    double weight = 0, mean = 0, variance = 0, nLogN = 0;
};

// Running sums over the histogram, so that each class costs O(1): the
// adaptive threshold evaluates thousands of boxes.
class PrefixSums {
public:
    explicit PrefixSums(const Histogram& h) {
        for (int i = 0; i < 256; ++i) {
            const double n = static_cast<double>(h[static_cast<std::size_t>(i)]);
            const std::size_t k = static_cast<std::size_t>(i) + 1;
            weight_[k] = weight_[k - 1] + n;
            sum_[k] = sum_[k - 1] + n * i;
            squares_[k] = squares_[k - 1] + n * i * i;
            nLogN_[k] = nLogN_[k - 1] + (n > 0 ? n * std::log(n) : 0.0);
        }
    }

    ClassStats Stats(int from, int to) const {
        const auto a = static_cast<std::size_t>(from), b = static_cast<std::size_t>(to) + 1;
        ClassStats s;
        s.weight = weight_[b] - weight_[a];
        s.nLogN = nLogN_[b] - nLogN_[a];
        if (s.weight > 0) {
            s.mean = (sum_[b] - sum_[a]) / s.weight;
            s.variance = std::max(0.0, (squares_[b] - squares_[a]) / s.weight - s.mean * s.mean);
        }
        return s;
    }

    double Total() const { return weight_[256]; }

private:
    std::array<double, 257> weight_{}, sum_{}, squares_{}, nLogN_{};
};

// Runs `score` over every candidate and keeps the first best (highest).
// Both classes are never empty: t >= lo and hi > t.
template <typename Score>
int BestThreshold(const Histogram& h, Score score) {
    const Range r = OccurringRange(h);
    if (r.empty()) return 0;
    const PrefixSums sums(h);
    int best = r.lo;
    double bestScore = -std::numeric_limits<double>::infinity();
    for (int t = r.lo; t < r.hi; ++t) {
        const double value = score(sums.Stats(0, t), sums.Stats(t + 1, 255), t, sums.Total());
        if (value > bestScore) {
            bestScore = value;
            best = t;
        }
    }
    return best;
}

}  // namespace

int OtsuThreshold(const Histogram& h) {
    return BestThreshold(h, [](const ClassStats& a, const ClassStats& b, int, double) {
        return a.weight * b.weight * (a.mean - b.mean) * (a.mean - b.mean);
    });
}

int MinimumErrorThreshold(const Histogram& h) {
    // A class of one level has no spread; a small floor keeps the logarithm finite.
    static constexpr double kMinVariance = 1e-2;
    return BestThreshold(h, [](const ClassStats& a, const ClassStats& b, int, double total) {
        const double pa = a.weight / total, pb = b.weight / total;
        const double va = std::max(a.variance, kMinVariance), vb = std::max(b.variance, kMinVariance);
        const double error =
            1 + pa * std::log(va) + pb * std::log(vb) - 2 * (pa * std::log(pa) + pb * std::log(pb));
        return -error;
    });
}

int MaximumEntropyThreshold(const Histogram& h) {
    // The entropy of a class, -sum (n / W) ln(n / W), is ln W - (sum n ln n) / W.
    return BestThreshold(h, [](const ClassStats& a, const ClassStats& b, int, double) {
        return std::log(a.weight) - a.nLogN / a.weight + std::log(b.weight) - b.nLogN / b.weight;
    });
}

// The level at which the pull of the darker levels, sum of n (t - i), best
// balances the pull of the lighter ones, sum of n (i - t).
int PotentialDifferenceThreshold(const Histogram& h) {
    return BestThreshold(h, [](const ClassStats& a, const ClassStats& b, int t, double) {
        const double below = a.weight * (t - a.mean), above = b.weight * (b.mean - t);
        return -std::abs(below - above);
    });
}

int OptimalThreshold(const Histogram& h) {
    const Range r = OccurringRange(h);
    if (r.empty()) return 0;
    if (r.lo == r.hi) return r.lo == 0 ? 0 : r.lo - 1;
    const int average = (OtsuThreshold(h) + MinimumErrorThreshold(h) + MaximumEntropyThreshold(h) +
                         PotentialDifferenceThreshold(h)) / 4;
    if (average > r.lo && average < r.hi) return average;
    return (r.lo + r.hi) / 2;
}

}  // namespace dravolt::imaging
