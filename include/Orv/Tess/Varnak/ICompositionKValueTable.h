// ICompositionKValueTable: a K-value table that holds the K-values at one composition,
// given as the mole fraction of a nominated component.
//
// A model may hold any number of these under distinct names. The composition and the
// nominated component are plain stored values; nothing checks the component index
// against the model's components.
#ifndef ORV_TESS_VARNAK_ICOMPOSITIONKVALUETABLE_H
#define ORV_TESS_VARNAK_ICOMPOSITIONKVALUETABLE_H

#include "Orv/Tess/Varnak/Export.h"
#include "Orv/Tess/Varnak/IKValueTable.h"

namespace Orv::Tess::Varnak {

class ORV_TESS_VARNAK_API ICompositionKValueTable : public IKValueTable {
 public:
  // The interface holds no data; its implementations copy, move and destroy theirs.
  ICompositionKValueTable() = default;
  ICompositionKValueTable(ICompositionKValueTable const&) = default;
  ICompositionKValueTable& operator=(ICompositionKValueTable const&) = default;
  ~ICompositionKValueTable() override;

  // Returns the composition (mole fraction of the nominated component); 0.0 at first.
  virtual double getComposition() const = 0;
  // Stores the composition; any value is accepted.
  virtual void setComposition(double value) = 0;
  // Returns the index of the nominated component; 0 at first.
  virtual int getNominatedComponent() const = 0;
  // Stores the nominated component index; any int, negative ones included, is accepted.
  virtual void setNominatedComponent(int component) = 0;
};

}  // namespace Orv::Tess::Varnak

#endif  // ORV_TESS_VARNAK_ICOMPOSITIONKVALUETABLE_H
