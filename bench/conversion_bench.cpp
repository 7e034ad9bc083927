// Conversion throughput over real text, in input characters per second.
#include <benchmark/benchmark.h>

#include "assets/usage_notes.h"
#include "conversion/pipeline.h"

namespace {

using namespace kovrim;

const String& UsageNotes() {
  static const String text = StringFromUtf8(assets::kUsageNotesUtf8);
  return text;
}

// About 1 MB of Arabic (UTF-8), in the notes' own lines or joined into one.
const String& Megabyte(bool oneLine) {
  static const auto make = [](bool single) {
    String text;
    const String& notes = UsageNotes();
    while (text.size() * 2 < 1'000'000) {
      if (!single) {
        text += notes;
        continue;
      }
      for (const char32_t c : notes) text.push_back(c == U'\r' || c == U'\n' ? U' ' : c);
    }
    return text;
  };
  static const String lines = make(false);
  static const String single = make(true);
  return oneLine ? single : lines;
}

void Convert(benchmark::State& state, const String& text, PipelineOptions options) {
  for (auto _ : state) benchmark::DoNotOptimize(RunPipeline(text, options));
  state.SetItemsProcessed(static_cast<int64_t>(state.iterations()) *
                          static_cast<int64_t>(text.size()));
}

void Register(const char* set, PipelineOptions options) {
  for (const InputPath path : {InputPath::TextBox, InputPath::Keyboard}) {
    options.path = path;
    const std::string p = path == InputPath::TextBox ? "/textbox" : "/keyboard";
    benchmark::RegisterBenchmark((std::string(set) + "/usage_notes" + p).c_str(),
                                 [options](benchmark::State& s) { Convert(s, UsageNotes(), options); });
    benchmark::RegisterBenchmark((std::string(set) + "/1MB_lines" + p).c_str(),
                                 [options](benchmark::State& s) { Convert(s, Megabyte(false), options); });
    benchmark::RegisterBenchmark((std::string(set) + "/1MB_one_line" + p).c_str(),
                                 [options](benchmark::State& s) { Convert(s, Megabyte(true), options); });
  }
}

const int kRegistered = [] {
  Register("K2", {.codeSet = CodeSet::K2, .complexLigatures = false});
  Register("K3", {.codeSet = CodeSet::K3, .complexLigatures = false});
  Register("K1_complex", {.codeSet = CodeSet::K1, .complexLigatures = true});
  Register("K3_complex", {.codeSet = CodeSet::K3, .complexLigatures = true});
  Register("K4_complex", {.codeSet = CodeSet::K4, .complexLigatures = true});
  return 0;
}();

}  // namespace
