// A clipboard owner that never answers: every question finds nothing, and
// each would cost the clipboard's whole timeout, so the tests count them.
#pragma once

#include <QMimeData>
#include <QStringList>
#include <QVariant>

namespace kovrim::vb::testing {

class SilentSource : public QMimeData {
 public:
  explicit SilentSource(int* asked) : asked_(asked) {}
  QStringList formats() const override {
    ++*asked_;
    return {};
  }
  bool hasFormat(const QString&) const override {
    ++*asked_;
    return false;
  }

 protected:
  QVariant retrieveData(const QString&, QMetaType) const override {
    ++*asked_;
    return {};
  }

 private:
  int* asked_;
};

}  // namespace kovrim::vb::testing
