#pragma once

#include <QString>

class OwnedComponent;
class Persistent;

// `base` followed by the smallest positive number that no other component of
// the owner with the class of `component` (or a descendant) uses after that
// base: with Label1, Label2 and Label4 present, Label3. Without owner, `base`.
QString UniqueComponentName(const OwnedComponent* owner, const QString& base,
                            const OwnedComponent* component);

// "TppLabel" gives "ppLabel", the base for component names.
QString ClassNameWithoutT(const Persistent& object);
// "TppLabel" gives "Label", the base for user names.
QString ClassNameWithoutTpp(const Persistent& object);
