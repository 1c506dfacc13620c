#pragma once
// A PulseAudio server of the test's own with one null sink, so a test can play for real on a
// machine without a sound card. Started before anything in the process asks for audio devices;
// the clients find it through PULSE_SERVER.
#include <QElapsedTimer>
#include <QProcess>
#include <QProcessEnvironment>
#include <QStandardPaths>
#include <QString>
#include <QThread>

#include "test_util.h"

namespace trv::test {

class PulseNullSink {
 public:
  PulseNullSink() {
    const QString pulseaudio = QStandardPaths::findExecutable("pulseaudio");
    if (pulseaudio.isEmpty() || QStandardPaths::findExecutable("pactl").isEmpty()) {
      why_ = "pulseaudio or pactl is not installed (scripts/bootstrap installs them)";
      return;
    }
    const QString home = QString::fromStdString(home_.path().string());
    socket_ = "unix:" + home + "/native";
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("HOME", home);
    env.insert("XDG_RUNTIME_DIR", home);
    env.insert("XDG_CONFIG_HOME", home);
    server_.setProcessEnvironment(env);
    server_.setProcessChannelMode(QProcess::MergedChannels);
    server_.start(pulseaudio, {"--daemonize=no", "--exit-idle-time=-1", "-n", "--use-pid-file=no",
                               "--load=module-null-sink sink_name=nullsink",
                               "--load=module-native-protocol-unix auth-anonymous=1 socket=" + home + "/native"});
    if (!server_.waitForStarted(3000)) {
      why_ = "pulseaudio did not start: " + server_.errorString();
      return;
    }
    QElapsedTimer waited;
    waited.start();
    while (!Pactl({"info"})) {
      if (server_.state() != QProcess::Running || waited.elapsed() > 5000) {
        why_ = "pulseaudio did not come up: " + QString::fromLocal8Bit(server_.readAll()).trimmed();
        return;
      }
      QThread::msleep(50);
    }
    qputenv("PULSE_SERVER", socket_.toUtf8());
    running_ = true;
  }
  ~PulseNullSink() {
    if (server_.state() == QProcess::NotRunning) return;
    server_.terminate();
    if (!server_.waitForFinished(3000)) server_.kill();
    server_.waitForFinished(1000);
  }
  PulseNullSink(const PulseNullSink&) = delete;
  PulseNullSink& operator=(const PulseNullSink&) = delete;

  bool Running() const { return running_; }
  // Why the server is not running.
  QString Why() const { return why_; }

  // Runs pactl against the server; its output in `out`.
  bool Pactl(const QStringList& args, QString* out = nullptr) const {
    QProcess pactl;
    pactl.start("pactl", QStringList{"-s", socket_} + args);
    if (!pactl.waitForFinished(3000) || pactl.exitCode() != 0) return false;
    if (out) *out = QString::fromLocal8Bit(pactl.readAllStandardOutput());
    return true;
  }

 private:
  TempDir home_;
  QString socket_;
  QProcess server_;
  QString why_;
  bool running_ = false;
};

}  // namespace trv::test
