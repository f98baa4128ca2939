#pragma once
// Writes the published (Qt) properties of a component to JSON and reads them
// back, the way a form stores a designed control:
// - properties come in the order the class declares them; those of the Qt
//   base classes (names not starting with T) and those marked STORED false are
//   left out;
// - a value equal to the property's declared default (class info
//   "Default.<name>") is left out; reading a design without it writes the
//   declared default, so that a design read back gives what was written;
// - a property holding a QObject of our own is written as a nested object; a
//   property holding a plain QObject is a collection, written as an array with
//   one entry per child;
// - a property marked STORED false with class info "SecondName.<name>" is
//   another name of a stored one: read when a design has it (in its declared
//   place, so it sets that value again), never written;
// - enumerations are written as their numbers (the stored order of every
//   enumeration is fixed where it is declared).

#include <QJsonObject>
#include <QObject>
#include <QString>

namespace vqm {

QJsonObject WriteObjectDesign(const QObject& object);

// Writes the values of `design` into `object`. Returns an empty string on
// success, else a message naming the property (e.g. "Scale1X.RangeLow: a number
// is needed"); on an error the object may be partly written, so callers try a
// scratch object first.
QString ReadObjectDesign(const QJsonObject& design, QObject& object);

}  // namespace vqm
