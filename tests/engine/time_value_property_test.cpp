// Round trips through the five solvers: for random valid inputs, solving any one of N, rate,
// PV, PMT and FV from the other four gives back the input.
//
// Tolerance. The solvers work on PV * CR + PMT * A + FV = 0 in 64-bit-significand
// arithmetic, so a recovered quantity X can only be as good as the backward error of that
// identity divided by its sensitivity |dF/dX|:
//   |X' - X| <= K * B / |dF/dX|,   K = 64, eps = 2^-64 (half an ulp of 1 in extended).
// B bounds the error of the identity's evaluation:
//   * every term rounds: eps * (|PV * CR| + |PMT * A| + |FV|);
//   * 1 + rate rounds (eps) and N compoundings carry that rounding into CR relatively
//     N / (1 + rate) times, plus one rounding per multiplication of the square-and-multiply
//     (at most 2 * 31); (CR - 1) / rate magnifies the absolute error of CR by 1 / |rate|.
// PV, PMT and FV use the very same CR and A, so for them only the first item applies; N and
// the rate are found by other formulas (logarithms, Newton's method), so for them all items
// apply. K = 64 leaves room for the few roundings of each formula; the worst case seen over
// these runs is reported by the test and stays well below it, while a wrong sign, a wrong
// timing factor or an off-by-one power misses by many orders of magnitude.
//
// Below |rate| = 6.1e-5 the factors come from ln(1 + rate) and e^x - 1 of the rate itself: no
// rounded 1 + rate is compounded there, so the carried item is 0, and N and the rate must come
// back as precisely as above the bound, not merely to the accuracy of some approximation.
//
// InterestRate additionally stops once its Newton step is below 1e-12 |T| + 1e-15 in
// T = -ln(1 + rate); the rate tolerance adds that bound, times (1 + rate).
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>

#include "engine/engine_errors.h"
#include "engine/time_value.h"

namespace quarrant {
namespace {

constexpr Extended kEps = 5.421010862427522170e-20L;  // 2^-64
constexpr Extended kK = 64;
constexpr Extended kSmallRate = 0.000061L;

struct Tvm {
  Extended rate;
  int32_t n;
  Extended pv, pmt, fv;
  PaymentTiming timing;
};

std::string Describe(const Tvm& c) {
  char text[200];
  std::snprintf(text, sizeof text, "rate=%.20Lg n=%d pv=%.20Lg pmt=%.20Lg fv=%.20Lg %s", c.rate,
                c.n, c.pv, c.pmt, c.fv, c.timing == PaymentTiming::StartOfPeriod ? "start" : "end");
  return text;
}

// Exact (to a few ulps) pieces of the identity, computed independently of the solvers.
struct Exact {
  Extended cr;       // (1 + r)^N
  Extended annuity;  // ((1 + r)^N - 1) / r times (1 + r t)
  Extended dFdN;     // derivative of the identity in N
  Extended dFdRate;  // derivative of the identity in the rate
};

Exact ExactPieces(const Tvm& c) {
  const Extended r = c.rate;
  const Extended n = c.n;
  const Extended t = TimingCode(c.timing);
  const Extended l = std::log1p(r);
  const Extended grow = std::expm1(n * l);  // CR - 1 without cancellation
  Exact e;
  e.cr = grow + 1;
  const Extended a0 = r == 0 ? n : grow / r;
  const Extended lOverR = r == 0 ? 1 : l / r;
  // d(a0)/dr, by its series where the closed form cancels.
  const Extended da0 =
      std::fabs(r) < 1e-6L ? n * (n - 1) / 2 : (n * e.cr * r / (1 + r) - grow) / (r * r);
  e.annuity = a0 * (1 + r * t);
  e.dFdN = e.cr * l * c.pv + c.pmt * (1 + r * t) * e.cr * lOverR;
  e.dFdRate = c.pv * n * e.cr / (1 + r) + c.pmt * ((1 + r * t) * da0 + t * a0);
  return e;
}

// Draws valid inputs: both timings; rates across [-0.99, 5], a quarter of them below 6.1e-5
// in magnitude (some exactly 0); N up to 1200 but held where (1 + r)^N stays within
// 1e-15 .. 1e15 (beyond 1e16 FutureValue refuses, and far below the present value no longer
// shows in the future value); amounts of 1 to 1e7 of either sign.
class Generator {
 public:
  explicit Generator(uint64_t seed) : random_(seed) {}

  Extended Rate() {
    const double kind = Uniform(0, 1);
    if (kind < 0.03) return 0;
    if (kind < 0.25) return Sign() * std::pow(10.0L, Uniform(-12, std::log10(6.09e-5)));
    if (kind < 0.6) return Uniform(-0.99, 5);
    const Extended magnitude = std::pow(10.0L, Uniform(std::log10(6.1e-5), 0));
    return Sign() > 0 ? magnitude : -std::min<Extended>(magnitude, 0.99L);
  }

  int32_t Periods(Extended rate) {
    int32_t limit = 1200;
    const Extended l = std::fabs(std::log1p(rate));
    if (l > 0) limit = std::min<int32_t>(limit, static_cast<int32_t>(std::log(1e15L) / l));
    return std::uniform_int_distribution<int32_t>(1, std::max(1, limit))(random_);
  }

  Extended Amount() { return Sign() * std::round(std::pow(10.0L, Uniform(0, 7)) * 100) / 100; }

  PaymentTiming Timing() {
    return Uniform(0, 1) < 0.5 ? PaymentTiming::EndOfPeriod : PaymentTiming::StartOfPeriod;
  }

  double Uniform(double low, double high) {
    return std::uniform_real_distribution<double>(low, high)(random_);
  }

 private:
  Extended Sign() { return Uniform(0, 1) < 0.5 ? -1 : 1; }
  std::mt19937_64 random_;
};

// Worst |X' - X| / tolerance over all cases, per quantity, reported at the end.
struct Worst {
  double ratio = 0;
  std::string where;
  void Note(double r, const Tvm& c) {
    if (r > ratio) {
      ratio = r;
      where = Describe(c);
    }
  }
};

// The rate is a unique root exactly when the flows (PV, the payments, FV, with the payment
// of the first or last period joined to PV or FV by the timing) change sign exactly once.
bool RateIsDetermined(const Tvm& c) {
  const bool start = c.timing == PaymentTiming::StartOfPeriod;
  const Extended flows[] = {start ? c.pv + c.pmt : c.pv, c.n > 1 ? c.pmt : 0,
                            start ? c.fv : c.fv + c.pmt};
  int changes = 0;
  Extended previous = 0;
  for (Extended flow : flows) {
    if (flow == 0) continue;
    if (previous != 0 && (flow > 0) != (previous > 0)) ++changes;
    previous = flow;
  }
  return changes == 1;
}

TEST(TimeValueRoundTrip, EveryQuantityComesBack) {
  Generator generate(0x5eed2026);
  Worst worstPv, worstPmt, worstFv, worstN, worstRate, worstNSmall, worstRateSmall;
  int cases = 0, periodChecks = 0, rateChecks = 0;
  for (int i = 0; i < 20000; ++i) {
    Tvm c;
    c.timing = generate.Timing();
    c.rate = generate.Rate();
    c.n = generate.Periods(c.rate);
    c.pmt = generate.Uniform(0, 1) < 0.05 ? 0 : generate.Amount();
    // Half the cases derive FV from PV, half PV from FV, so that both directions are tried.
    if (i % 2 == 0) {
      c.pv = generate.Amount();
      c.fv = FutureValue(c.rate, c.n, c.pmt, c.pv, c.timing);
    } else {
      c.fv = generate.Amount();
      c.pv = PresentValue(c.rate, c.n, c.pmt, c.fv, c.timing);
    }
    ++cases;
    SCOPED_TRACE(Describe(c));

    Extended cr;
    const Extended a = AnnuityFactor(c.rate, c.n, c.timing, cr);
    const Extended terms = std::fabs(c.pv * cr) + std::fabs(c.pmt * a) + std::fabs(c.fv);
    const Exact exact = ExactPieces(c);
    const bool small = std::fabs(c.rate) < kSmallRate;
    // Rounding of 1 + rate carried through N compoundings and magnified by (CR - 1) / rate.
    const Extended carried =
        small ? 0
              : (c.n / (1 + c.rate) + 64) * cr *
                    (std::fabs(c.pv) +
                     std::fabs(c.pmt) * (1 + std::fabs(c.rate)) / std::fabs(c.rate));
    const Extended shared = kK * kEps * terms;
    const Extended independent = kK * kEps * (terms + carried);

    // PV, PMT and FV share CR and A with the solver that made the case.
    const Extended pv = PresentValue(c.rate, c.n, c.pmt, c.fv, c.timing);
    const Extended pvTolerance = shared / cr;
    EXPECT_LE(std::fabs(pv - c.pv), pvTolerance) << "PV";
    worstPv.Note(static_cast<double>(std::fabs(pv - c.pv) / pvTolerance), c);

    const Extended pmt = Payment(c.rate, c.n, c.pv, c.fv, c.timing);
    const Extended pmtTolerance = shared / std::fabs(a);
    EXPECT_LE(std::fabs(pmt - c.pmt), pmtTolerance) << "PMT";
    worstPmt.Note(static_cast<double>(std::fabs(pmt - c.pmt) / pmtTolerance), c);

    const Extended fv = FutureValue(c.rate, c.n, c.pmt, c.pv, c.timing);
    EXPECT_LE(std::fabs(fv - c.fv), shared) << "FV";
    worstFv.Note(static_cast<double>(std::fabs(fv - c.fv) / shared), c);

    // N is found from X = CR - 1 = -(PV + FV) r / T, T = PV r + PMT (1 + r t), as
    // ln(1 + X) / ln(1 + r). X carries the rounding of its sums, magnified by their
    // cancellation, and 1 + X the rounding of forming it; a relative error e of CR = 1 + X
    // is an error e / |ln(1 + r)| of N. With neither payment nor rate N is undetermined.
    const Extended timed = 1 + c.rate * TimingCode(c.timing);
    const Extended t = c.pv * c.rate + c.pmt * timed;
    if (!(c.rate == 0 && c.pmt == 0) && t != 0) {
      ++periodChecks;
      const Extended cancellation =
          (std::fabs(c.pv) + std::fabs(c.fv)) / std::fabs(c.pv + c.fv) +
          (std::fabs(c.pv * c.rate) + std::fabs(c.pmt * timed)) / std::fabs(t) + 4;
      Extended nTolerance;
      if (small) {
        // N = (-(PV + FV) / T) (ln(1 + X) / X) / (ln(1 + r) / r): the quotient carries the
        // cancellations, the two ratios barely feel the errors of X.
        nTolerance = independent / std::fabs(exact.dFdN) + kK * kEps * c.n * cancellation;
      } else {
        const Extended x = exact.cr - 1;
        const Extended l = std::fabs(std::log1p(c.rate));
        nTolerance = independent / std::fabs(exact.dFdN) +
                     kK * kEps * ((std::fabs(x) * cancellation + 1) / (exact.cr * l) + c.n);
      }
      try {
        const Extended n = NumberOfPeriods(c.rate, c.pmt, c.pv, c.fv, c.timing);
        EXPECT_LE(std::fabs(n - c.n), nTolerance) << "N";
        (small ? worstNSmall : worstN)
            .Note(static_cast<double>(std::fabs(n - c.n) / nTolerance), c);
      } catch (const EEngineError& error) {
        ADD_FAILURE() << "NumberOfPeriods raised " << error.what();
      }
    }

    // The rate, by Newton's method on the exact identity, where it is a unique root.
    if (RateIsDetermined(c)) {
      ++rateChecks;
      const Extended stop = (1e-12L * std::fabs(std::log1p(c.rate)) + 1e-15L) * (1 + c.rate);
      const Extended rateTolerance = independent / std::fabs(exact.dFdRate) + stop;
      try {
        const Extended rate = InterestRate(c.n, c.pmt, c.pv, c.fv, c.timing);
        EXPECT_LE(std::fabs(rate - c.rate), rateTolerance) << "rate";
        (small ? worstRateSmall : worstRate)
            .Note(static_cast<double>(std::fabs(rate - c.rate) / rateTolerance), c);
      } catch (const EEngineError& error) {
        ADD_FAILURE() << "InterestRate raised " << error.what();
      }
    }
    // One failing case is enough to read; set QUARRANT_ROUND_TRIP_ALL to see every one.
    if (HasFailure() && !std::getenv("QUARRANT_ROUND_TRIP_ALL")) break;
  }
  std::printf(
      "%d cases, N checked in %d, rate in %d; worst share of the tolerance: PV %.3g, PMT %.3g, "
      "FV %.3g, N %.3g, rate %.3g; below 6.1e-5: N %.3g, rate %.3g\n",
      cases, periodChecks, rateChecks, worstPv.ratio, worstPmt.ratio, worstFv.ratio, worstN.ratio,
      worstRate.ratio, worstNSmall.ratio, worstRateSmall.ratio);
  // Most draws must exercise the N and rate solvers, or the test proves little.
  EXPECT_GT(periodChecks, cases * 9 / 10);
  EXPECT_GT(rateChecks, cases / 3);
}

}  // namespace
}  // namespace quarrant
