#include "scripthost/qt/SnippetRunner.h"

#include <QJSEngine>
#include <QMetaObject>
#include <QMetaProperty>
#include <QObject>
#include <condition_variable>
#include <mutex>
#include <thread>

namespace scripthost {

namespace {

// Wraps a control so that its properties answer to any case and unknown ones fail loudly
// instead of silently growing a script-only property.
const char* const kCaseInsensitive = R"((function (target, names) {
    function resolve(key) {
        if (typeof key !== "string") return key;
        var found = names[key.toLowerCase()];
        return found === undefined ? key : found;
    }
    return new Proxy(target, {
        get: function (t, key) {
            var value = t[resolve(key)];
            return typeof value === "function" ? value.bind(t) : value;
        },
        set: function (t, key, value) {
            var real = resolve(key);
            if (!(real in t)) throw new TypeError("对象不支持该属性或方法: " + String(key));
            t[real] = value;
            return true;
        }
    });
}))";

QJSValue memberNames(QJSEngine& engine, const QObject& control) {
    QJSValue names = engine.newObject();
    const QMetaObject* meta = control.metaObject();
    for (int i = 0; i < meta->methodCount(); ++i) {
        QString name = QString::fromLatin1(meta->method(i).name());
        names.setProperty(name.toLower(), name);
    }
    for (int i = 0; i < meta->propertyCount(); ++i) {
        QString name = QString::fromLatin1(meta->property(i).name());
        names.setProperty(name.toLower(), name);
    }
    if (!names.hasProperty(QStringLiteral("caption")) && names.hasProperty(QStringLiteral("text")))
        names.setProperty(QStringLiteral("caption"), names.property(QStringLiteral("text")));
    return names;
}

// Interrupts the engine from a second thread once the time limit has passed; interrupting
// is the one thing another thread may do to an engine.
class Watchdog {
  public:
    Watchdog(QJSEngine& engine, std::chrono::milliseconds limit)
        : thread_([this, &engine, limit] {
              std::unique_lock lock(mutex_);
              if (ended_.wait_for(lock, limit, [this] { return done_; })) return;
              expired_ = true;
              engine.setInterrupted(true);
          }) {}
    // Whether the limit passed before the run ended.
    bool finish() {
        {
            std::lock_guard lock(mutex_);
            done_ = true;
        }
        ended_.notify_one();
        thread_.join();
        return expired_;
    }

  private:
    std::mutex mutex_;
    std::condition_variable ended_;
    bool done_ = false;
    bool expired_ = false;
    std::thread thread_;
};

}  // namespace

QStringList splitPieces(const QString& text, const QString& separator) {
    if (text.isEmpty()) return {};
    if (separator.isEmpty()) return {text};
    return text.split(separator, Qt::KeepEmptyParts, Qt::CaseSensitive);
}

std::optional<QString> runSnippet(const QString& code, const QList<NamedControl>& controls,
                                  std::chrono::milliseconds timeLimit) {
    QJSEngine engine;
    QJSValue wrap = engine.evaluate(QString::fromUtf8(kCaseInsensitive));
    for (const NamedControl& named : controls) {
        // The window owns its controls; the engine must never delete them.
        QJSEngine::setObjectOwnership(named.control, QJSEngine::CppOwnership);
        QJSValue wrapped =
            wrap.call({engine.newQObject(named.control), memberNames(engine, *named.control)});
        engine.globalObject().setProperty(named.name, wrapped);
    }
    Watchdog watchdog(engine, timeLimit);
    QJSValue result = engine.evaluate(code);
    bool expired = watchdog.finish();
    if (!result.isError()) return std::nullopt;
    if (expired)
        return QStringLiteral("代码运行超过 %1 秒，已被停止。")
            .arg(double(timeLimit.count()) / 1000);
    return result.toString();
}

}  // namespace scripthost
