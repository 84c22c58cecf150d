// Keeping a reading: building its document, and writing it as PDF, PNG,
// web page and text, for a weekly reading with its card and a dream
// reading of fifteen motifs (the longest, on two pages or more).

#include "app/application.h"
#include "app/program.h"
#include "core/weekly.h"
#include "core/writer.h"
#include "export/readingdocument.h"
#include "summary.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <string>

using namespace temparoka;

namespace {

constexpr double kTuesday = 46364.5;  // 8 December 2026

// A week's reading as the main window writes it: the opening, then a block
// of Indonesian lines and their English.
Reading weekly()
{
    ReadingWriter written;
    weeklyOpening(written, 318);
    std::vector<std::string> block;
    for (int i = 0; i < 8; ++i)
        block.push_back("Minggu ini membawa kabar baik dari seorang teman lama, nomor " + std::to_string(i) + ".");
    block.push_back("[");
    for (int i = 0; i < 8; ++i)
        block.push_back("This week brings good news from an old friend, number " + std::to_string(i) + ".");
    block.push_back("]");
    blockausgabe(written, block);
    Reading reading = Reading::weekly(kTuesday, cardFace(1));
    reading.lines = written.lines();
    return reading;
}

// All fifteen motifs and the closing pair, sentences of one to three lines.
Reading dream()
{
    ReadingWriter written;
    const std::string id = " Itu pertanda yang harus diperhatikan dengan sungguh-sungguh oleh Anda dan keluarga.";
    const std::string en = " That is a sign that you and your family should heed with great care indeed.";
    for (int i = 0; i < 16; ++i) {
        std::string indonesian = "Akan ada bahaya di jalan, mimpi nomor " + std::to_string(i) + ".";
        std::string english = "There will be danger on the road, dream number " + std::to_string(i) + ".";
        for (int extra = 0; extra < i % 3; ++extra) {
            indonesian += id;
            english += en;
        }
        paarausgabe(written, indonesian, english);
    }
    Reading reading = Reading::dream(kTuesday);
    reading.lines = written.lines();
    return reading;
}

void buildDocument(benchmark::State& state, Reading (*reading)())
{
    const Reading kept = reading();
    for (auto _ : state) {
        ReadingDocument document(kept);
        // Laid out, as every format needs it.
        benchmark::DoNotOptimize(document.document().size());
    }
}

// The picture alone, drawn at twice the size, without its encoding.
void drawPicture(benchmark::State& state, Reading (*reading)())
{
    const ReadingDocument document(reading());
    for (auto _ : state)
        benchmark::DoNotOptimize(document.image(2.0));
}

// From the reading to the file's bytes, as a save does it.
void encode(benchmark::State& state, Reading (*reading)(), DocumentFormat format)
{
    const Reading kept = reading();
    for (auto _ : state) {
        const Encoded bytes = ReadingDocument(kept).encoded(format);
        if (!bytes.ok())
            state.SkipWithError(bytes.problem().c_str());
        benchmark::DoNotOptimize(bytes);
    }
}

}  // namespace

BENCHMARK_CAPTURE(buildDocument, weekly, weekly)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(buildDocument, dream, dream)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(encode, pdfWeekly, weekly, DocumentFormat::Pdf)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(encode, pdfDream, dream, DocumentFormat::Pdf)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(encode, pngWeekly, weekly, DocumentFormat::Png)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(encode, pngDream, dream, DocumentFormat::Png)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(drawPicture, weekly, weekly)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(drawPicture, dream, dream)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(encode, htmlWeekly, weekly, DocumentFormat::Html)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(encode, htmlDream, dream, DocumentFormat::Html)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(encode, textWeekly, weekly, DocumentFormat::Text)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(encode, textDream, dream, DocumentFormat::Text)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    TApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    bench::CollectingReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();

    auto& ms = reporter.millis;
    // The slower of the two readings is the figure.
    const auto slower = [&](const std::string& name) { return std::max(ms[name + "Weekly"], ms[name + "Dream"]); };
    const double build = std::max(ms["buildDocument/weekly"], ms["buildDocument/dream"]);
    const double pdf = slower("encode/pdf"), png = slower("encode/png");
    const double html = slower("encode/html"), text = slower("encode/text");
    const double draw = std::max(ms["drawPicture/weekly"], ms["drawPicture/dream"]);
    bench::printFigures("Keeping a reading (milliseconds; the slower of a weekly and a fifteen-motif dream reading)",
                        {
                            {"building the document", build, 0, "ms", "< 50 ms", build < 50},
                            {"PDF (laid out on pages)", pdf, 0, "ms", "< 50 ms", pdf < 50},
                            {"PNG (twice the size)", png, 0, "ms", "< 50 ms", png < 50},
                            // What of the PNG is ours; the rest is the encoder's.
                            {"  of it: drawing the picture", draw, 0, "ms", "< 50 ms", draw < 50},
                            {"web page (card inlined)", html, 0, "ms", "< 50 ms", html < 50},
                            {"plain text", text, 0, "ms", "< 50 ms", text < 50},
                        });
    return 0;
}
