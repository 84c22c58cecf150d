// The gong strike: see sound.h.
//
// A small kettle gong does not ring in harmonics: its partials lie at uneven
// ratios, the higher ones dying away faster, and two nearly equal partials
// beat slowly against each other. The soft mallet gives a rounded attack and
// a short muffled thump. The strike is normalised to -3 dBFS and faded to
// exact silence so that playback ends without a click.
#include "sound.h"

#include "paintkit.h"

#include <sndfile.h>

#include <algorithm>
#include <cmath>
#include <vector>

namespace art {
namespace {

constexpr int Rate = 44100;
constexpr double Seconds = 1.8;
constexpr double Fundamental = 174.0;  // Hz
constexpr double PeakDb = -3.0;

struct Partial {
    double ratio;  // of the fundamental
    double level;
    double decay;  // seconds for the level to fall to 1/e
};

// Inharmonic ratios in the manner of a bonang kettle; the second partial,
// a hair above the first, makes the slow beat.
const Partial partials[] = {
    {1.000, 1.00, 0.80}, {1.0058, 0.50, 0.74}, {1.512, 0.20, 0.46},  {2.092, 0.34, 0.50},  {2.745, 0.20, 0.30},
    {3.370, 0.11, 0.22}, {4.180, 0.07, 0.15},  {5.430, 0.045, 0.10}, {6.900, 0.025, 0.07},
};

std::vector<double> strike()
{
    const int n = int(Seconds * Rate);
    std::vector<double> out(n, 0.0);
    // partials, each with its own phase so they do not all start in step
    Rng rng(0x60A6);
    for (const Partial& p : partials) {
        const double phase0 = rng.uniform(0.0, 2.0 * M_PI);
        double phase = phase0;
        for (int i = 0; i < n; ++i) {
            const double t = double(i) / Rate;
            // the struck metal starts a little sharp and settles
            const double f = Fundamental * p.ratio * (1.0 + 0.004 * std::exp(-t / 0.08));
            phase += 2.0 * M_PI * f / Rate;
            out[i] += p.level * std::exp(-t / p.decay) * std::sin(phase);
        }
    }
    // soft attack: the mallet is padded, so the tone swells in over 12 ms
    const int attack = int(0.012 * Rate);
    for (int i = 0; i < attack; ++i)
        out[i] *= 0.5 - 0.5 * std::cos(M_PI * i / attack);
    // the mallet's thump: low-passed noise, gone within a few milliseconds
    double lp = 0.0;
    const double a = 1.0 - std::exp(-2.0 * M_PI * 900.0 / Rate);
    for (int i = 0; i < int(0.04 * Rate); ++i) {
        const double t = double(i) / Rate;
        lp += a * (rng.uniform(-1.0, 1.0) - lp);
        out[i] += 0.35 * lp * std::exp(-t / 0.009) * (1.0 - std::exp(-t / 0.0015));
    }
    // fade the tail to exact silence over the last 0.3 s
    const int fade = int(0.3 * Rate);
    for (int i = 0; i < fade; ++i) {
        const double g = 0.5 + 0.5 * std::cos(M_PI * (i + 1) / fade);
        out[n - fade + i] *= g;
    }
    out[n - 1] = 0.0;
    // normalise the peak
    double peak = 0.0;
    for (double v : out)
        peak = std::max(peak, std::abs(v));
    const double target = std::pow(10.0, PeakDb / 20.0);
    for (double& v : out)
        v *= target / peak;
    return out;
}

}  // namespace

bool writeGong(const std::string& path, std::string& error)
{
    const std::vector<double> samples = strike();
    std::vector<short> pcm(samples.size());
    for (std::size_t i = 0; i < samples.size(); ++i)
        pcm[i] = short(std::clamp(std::lround(samples[i] * 32767.0), -32767L, 32767L));

    SF_INFO info{};
    info.samplerate = Rate;
    info.channels = 1;
    info.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
    SNDFILE* file = sf_open(path.c_str(), SFM_WRITE, &info);
    if (!file) {
        error = sf_strerror(nullptr);
        return false;
    }
    const sf_count_t written = sf_write_short(file, pcm.data(), sf_count_t(pcm.size()));
    const bool ok = written == sf_count_t(pcm.size());
    if (!ok)
        error = sf_strerror(file);
    sf_close(file);
    return ok;
}

}  // namespace art
