#include "platform/status_sink.h"

#include <utility>

namespace cardwise {

namespace {
StatusSink& CurrentSink() {
  static StatusSink sink;
  return sink;
}
}  // namespace

StatusSink SetStatusSink(StatusSink sink) {
  return std::exchange(CurrentSink(), std::move(sink));
}

void ShowStatus(const std::string& text) {
  if (const StatusSink& sink = CurrentSink()) sink(text);
}

}  // namespace cardwise
