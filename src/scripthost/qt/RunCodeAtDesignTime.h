#pragma once
#include <QSet>
#include <QString>
#include <QWidget>
#include <memory>
#include <optional>

#include "controls/qt/PropertyBag.h"
#include "platform/Dialogs.h"

class QLabel;

// What a property access that the running program may not make reports to its caller.
struct RunTimeError {
    int number = 0;
    QString description;
};

// A design-time property read: the value, or the error that stopped it.
template <typename T>
struct DesignTimeValue {
    T value{};
    std::optional<RunTimeError> error;
};

// A designer control that keeps script snippets and the names of controls of its window;
// setting TPRunAnIndexCode in the form editor runs that snippet against those controls. In the
// running program its scripting properties can be neither read nor set, so it runs nothing.
class RunCodeAtDesignTime : public QWidget {
    Q_OBJECT

  public:
    static constexpr int kCannotSetAtRunTime = 382;
    static constexpr int kCannotReadAtRunTime = 393;
    static constexpr int kMaxWidthTwips = 3900;
    static constexpr int kMaxHeightTwips = 6000;
    static constexpr quint32 kDefaultBackColor = 613066;  // #CA5A09
    static inline const QString kDefaultCaption = QStringLiteral("Powered By Morvane Studio");
    static inline const QString kDefaultSpliter = QStringLiteral("#");

    explicit RunCodeAtDesignTime(QWidget* parent = nullptr);
    ~RunCodeAtDesignTime() override;

    // The form editor switches this on; the running program leaves it off.
    void setDesignMode(bool on) { designMode_ = on; }
    bool designMode() const { return designMode_; }
    // Where run failures are shown; the real dialogs unless replaced.
    void setDialogs(platform::Dialogs& dialogs) { dialogs_ = &dialogs; }

    DesignTimeValue<QString> TPCodes() const { return designRead(codes_); }
    std::optional<RunTimeError> setTPCodes(const QString& codes);
    DesignTimeValue<QString> TPObjects() const { return designRead(objects_); }
    std::optional<RunTimeError> setTPObjects(const QString& names);
    DesignTimeValue<qint16> TPRunAnIndexCode() const { return designRead(index_); }
    // Stores the index and runs that snippet.
    std::optional<RunTimeError> setTPRunAnIndexCode(qint16 index);
    DesignTimeValue<QString> TPSpliter() const { return designRead(spliter_); }
    std::optional<RunTimeError> setTPSpliter(const QString& spliter);

    quint32 backColor() const { return backColor_; }
    void setBackColor(quint32 color);
    QString caption() const { return caption_; }
    void setCaption(const QString& caption);

    // The properties changed since the window was loaded, for the form editor to save.
    const QSet<QString>& changedProperties() const { return changed_; }

    void writeProperties(PropertyBag& bag) const;
    // Reads the saved properties; a saved index is stored without running anything.
    void readProperties(const PropertyBag& bag);

    // The texts of the face, top to bottom.
    QStringList faceTexts() const;

  signals:
    void PropertyChanged(const QString& name);

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    template <typename T>
    DesignTimeValue<T> designRead(const T& value) const {
        if (!designMode_)
            return {T{}, RunTimeError{kCannotReadAtRunTime, QStringLiteral("运行时不能读取属性")}};
        return {value, std::nullopt};
    }
    std::optional<RunTimeError> runTimeSetError() const;
    void markChanged(const QString& name);
    void runSnippet(int index);
    void showFailure(const QString& text);
    void buildFace();

    bool designMode_ = false;
    QString codes_;
    QString objects_;
    qint16 index_ = -1;
    QString spliter_ = kDefaultSpliter;
    quint32 backColor_ = kDefaultBackColor;
    QString caption_ = kDefaultCaption;
    QSet<QString> changed_;
    QLabel* creditLabel_ = nullptr;
    QList<QLabel*> faceLabels_;
    std::unique_ptr<platform::Dialogs> ownDialogs_;
    platform::Dialogs* dialogs_ = nullptr;
};
