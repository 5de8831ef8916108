#pragma once
// Things that are no regular file, made where a file of the game should be,
// and a watch that tells a hang on them from a quick refusal.

#include <QFile>
#include <QString>

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <mutex>
#include <thread>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace varelo::testing {

inline QByteArray Native(const QString& path) { return QFile::encodeName(path); }

inline bool MakeFifo(const QString& path) { return ::mkfifo(Native(path).constData(), 0644) == 0; }

// A character device like /dev/null; false where this user may not make one.
inline bool MakeNullDevice(const QString& path) {
  return ::mknod(Native(path).constData(), S_IFCHR | 0666, makedev(1, 3)) == 0;
}

inline bool MakeLink(const QString& target, const QString& link) {
  return ::symlink(Native(target).constData(), Native(link).constData()) == 0;
}

// The type bits of the entry itself (a link is a link), 0 when there is none.
inline mode_t TypeOf(const QString& path) {
  struct stat info {};
  return ::lstat(Native(path).constData(), &info) == 0 ? (info.st_mode & S_IFMT) : 0;
}

inline mode_t ModeOf(const QString& path) {
  struct stat info {};
  return ::stat(Native(path).constData(), &info) == 0 ? (info.st_mode & 07777) : 0;
}

// A reader blocked opening a FIFO goes on, and reads its end at once, when
// a writer opens the other end and closes it.
inline void ReleaseFifo(const QString& path) {
  const int end = ::open(Native(path).constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
  if (end >= 0) ::close(end);
}

// Watches the work done on this thread while it lives. Work that has not
// ended after kPatience counts as hung; `release` (if any) is then called
// again and again to free it, so the test can report the hang. Work that
// cannot be freed ends the test program with a message.
class HangWatch {
 public:
  static constexpr std::chrono::seconds kPatience{10};

  explicit HangWatch(std::function<void()> release = {})
      : release_(std::move(release)), watcher_([this] { Watch(); }) {}
  ~HangWatch() {
    {
      std::lock_guard lock(mutex_);
      done_ = true;
    }
    ended_.notify_all();
    watcher_.join();
  }
  bool hung() const { return hung_; }

 private:
  void Watch() {
    std::unique_lock lock(mutex_);
    if (ended_.wait_for(lock, kPatience, [this] { return done_; })) return;
    hung_ = true;
    for (int tries = 0; tries < 100; ++tries) {
      if (release_) release_();
      if (ended_.wait_for(lock, std::chrono::milliseconds(100), [this] { return done_; })) return;
    }
    std::fprintf(stderr, "HangWatch: the work hangs and cannot be freed\n");
    std::_Exit(1);
  }

  std::function<void()> release_;
  std::mutex mutex_;
  std::condition_variable ended_;
  bool done_ = false;
  std::atomic<bool> hung_ = false;
  std::thread watcher_;
};

}  // namespace varelo::testing
