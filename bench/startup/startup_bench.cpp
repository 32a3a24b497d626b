// Start-up time of the designer: from the moment the process is started to the first
// paint of the main window's work area, with no document and with the 255-page benchmark
// deck on the command line. Each run is a fresh process (this program starts itself with
// --child); the child reports the monotonic clock and its peak memory at its first paint
// and quits.
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <QDir>
#include <QEvent>
#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "app/designer_main.h"
#include "app/main_window.h"
#include "app/work_area_widget.h"
#include "bench_deck.h"
#include "model/quarrion_canvas.h"
#include "storage/document_file.h"
#include "storage/lookup_table_manager.h"
#include "process_memory.h"

namespace {
long long NowNs() {
  return std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

// Prints the time of the first paint of the work area, then ends the message loop.
class FirstPaint : public QObject {
 public:
  explicit FirstPaint(QWidget* area) : area_(area) {}
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == area_ && event->type() == QEvent::Paint && !seen_) {
      seen_ = true;
      // Queued, so the paint itself is finished when the time is taken.
      QMetaObject::invokeMethod(qApp, [] {
        std::printf("%lld %lld\n", NowNs(), ReadProcessMemory().PeakKB);
        std::fflush(stdout);
        QCoreApplication::exit(0);
      }, Qt::QueuedConnection);
    }
    return false;
  }

 private:
  QWidget* area_;
  bool seen_ = false;
};

int RunChild(int argc, char** argv) {
  std::unique_ptr<FirstPaint> watch;
  return RunDesigner(argc, argv, [&watch](MainWindow& window) {
    watch = std::make_unique<FirstPaint>(window.WorkAreaControl());
    qApp->installEventFilter(watch.get());
  });
}

std::string WriteDeck(const std::string& folder) {
  TLookupTableManager registry;
  RegisterBuiltinClasses(registry);
  TQuarrionCanvas canvas;
  BuildCanvas(MakeBenchDeck(), canvas);
  canvas.SetPage(0);
  const std::string path = folder + "/deck-255.qsl";
  if (!SaveDocument(canvas, path, registry).Ok()) std::fprintf(stderr, "could not write %s\n", path.c_str());
  return path;
}

struct Run {
  double Ms = -1;        // from starting the child to its first paint
  double PeakKB = 0;     // the child's peak resident memory by then
};

Run OneRun(const char* self, const std::vector<std::string>& args) {
  int out[2];
  if (pipe(out) != 0) return {};
  const long long start = NowNs();
  const pid_t pid = fork();
  if (pid == 0) {
    dup2(out[1], STDOUT_FILENO);
    close(out[0]);
    std::vector<char*> argv{const_cast<char*>(self), const_cast<char*>("--child")};
    for (const auto& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    execv(self, argv.data());
    _exit(127);
  }
  close(out[1]);
  char buffer[64] = {};
  const ssize_t n = read(out[0], buffer, sizeof buffer - 1);
  close(out[0]);
  int status = 0;
  waitpid(pid, &status, 0);
  long long at = 0, peak = 0;
  if (n <= 0 || std::sscanf(buffer, "%lld %lld", &at, &peak) != 2) return {};
  return {double(at - start) / 1e6, double(peak)};
}

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v[v.size() / 2];
}
}  // namespace

int main(int argc, char** argv) {
  if (argc > 1 && std::strcmp(argv[1], "--child") == 0) {
    argv[1] = argv[0];
    return RunChild(argc - 1, argv + 1);
  }
  const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 9;
  QTemporaryDir home;
  setenv("HOME", home.path().toLocal8Bit().constData(), 1);
  setenv("XDG_CONFIG_HOME", (home.path() + "/config").toLocal8Bit().constData(), 1);
  setenv("XDG_DATA_HOME", (home.path() + "/data").toLocal8Bit().constData(), 1);
  if (!getenv("DISPLAY")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  const std::string deck = WriteDeck(home.path().toStdString());

  std::printf("start to first paint, median of %d runs (%s platform)\n", runs,
              getenv("DISPLAY") ? "X11" : "offscreen");
  struct Case {
    const char* Name;
    const char* Figure;
    std::vector<std::string> Args;
  };
  for (const Case& c : {Case{"empty document", "empty", {}}, Case{"benchmark deck", "deck", {deck}}}) {
    std::vector<double> times, peaks;
    for (int r = 0; r < runs; ++r) {
      const Run run = OneRun(argv[0], c.Args);
      if (run.Ms < 0) {
        std::fprintf(stderr, "the designer did not report its first paint\n");
        return 1;
      }
      times.push_back(run.Ms);
      peaks.push_back(run.PeakKB);
    }
    std::printf("  %-16s %7.1f ms  (min %.1f, max %.1f), peak memory %.1f MB\n", c.Name, Median(times),
                *std::min_element(times.begin(), times.end()), *std::max_element(times.begin(), times.end()),
                Median(peaks) / 1024);
    std::printf("figure: startup-%s-ms %.3f\nfigure: gui-peak-%s-kb %.0f\n", c.Figure, Median(times),
                c.Figure, Median(peaks));
  }
  return 0;
}
