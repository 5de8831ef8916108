#pragma once
// The main of every benchmark: a Qt application and a settings folder of its
// own, so a benchmark never touches the user's settings.

#include <QCoreApplication>
#include <QSettings>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

inline int RunBenchmarks(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  QTemporaryDir config;
  QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, config.path());
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
