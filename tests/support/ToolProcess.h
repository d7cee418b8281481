#pragma once

#include <QProcess>
#include <QProcessEnvironment>
#include <QtTest>
#include <functional>

// A program of ours (zantor-tool, the editor) run as its own process. A sanitizer report in the
// child exits with its own code (86), so that it cannot pass for the tool's "operation failed".
struct ToolRun {
    int exitCode = -1;  // -1: killed by a signal
    QByteArray out, err;

    // Exit 0 or 1 and nothing a sanitizer or the C++ runtime would say about a fault.
    bool clean() const {
        return (exitCode == 0 || exitCode == 1) && !err.contains("Sanitizer") &&
               !err.contains("runtime error") && !err.contains("terminate called");
    }
};

// Runs `program` to its end; a run that takes more than a minute is a hang. `prepare` may set up
// the process (its environment holds the sanitizer settings already) before it starts.
inline ToolRun RunProcess(const QString& program, const QStringList& args,
                          const std::function<void(QProcess&)>& prepare = {}) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"ASAN_OPTIONS", "UBSAN_OPTIONS"}) {
        const QString options = env.value(name);
        env.insert(name, (options.isEmpty() ? QString() : options + ':') + "exitcode=86");
    }
    QProcess process;
    process.setProcessEnvironment(env);
    if (prepare)
        prepare(process);
    process.start(program, args);
    if (!process.waitForStarted(30000))
        qFatal("%s did not start", qPrintable(program));
    if (!process.waitForFinished(60000)) {
        process.kill();
        process.waitForFinished();
        qWarning("%s %s did not finish within a minute", qPrintable(program),
                 qPrintable(args.join(' ')));
        return {-2, {}, {}};
    }
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            process.readAllStandardOutput(), process.readAllStandardError()};
}

#ifdef ZANTOR_TOOL_PATH
inline ToolRun RunToolProcess(const QStringList& args,
                              const std::function<void(QProcess&)>& prepare = {}) {
    return RunProcess(ZANTOR_TOOL_PATH, args, prepare);
}
#endif
