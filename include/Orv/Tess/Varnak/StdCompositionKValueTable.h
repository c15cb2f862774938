// StdCompositionKValueTable: the K-value table at one composition. The K-value
// operations are those of StdKValueTable; this class adds the stored composition and
// the index of the component whose mole fraction it is.
#ifndef ORV_TESS_VARNAK_STDCOMPOSITIONKVALUETABLE_H
#define ORV_TESS_VARNAK_STDCOMPOSITIONKVALUETABLE_H

#include "Orv/Tess/Varnak/Export.h"
#include "Orv/Tess/Varnak/ICompositionKValueTable.h"
#include "Orv/Tess/Varnak/StdKValueTable.h"

namespace Orv::Tess::Varnak {

class ORV_TESS_VARNAK_API StdCompositionKValueTable
    : public StdKValueTable<ICompositionKValueTable> {
 public:
  // An empty table with composition 0.0 and nominated component 0.
  StdCompositionKValueTable();
  // Copies and moves as the description at the top of this header says.
  StdCompositionKValueTable(StdCompositionKValueTable const& other);
  StdCompositionKValueTable(StdCompositionKValueTable&& other) noexcept;
  StdCompositionKValueTable& operator=(StdCompositionKValueTable const& other);
  StdCompositionKValueTable& operator=(StdCompositionKValueTable&& other) noexcept;
  ~StdCompositionKValueTable() override;

  double getComposition() const override;
  void setComposition(double value) override;
  int getNominatedComponent() const override;
  void setNominatedComponent(int component) override;

 private:
  double composition_ = 0.0;
  int nominatedComponent_ = 0;
};

}  // namespace Orv::Tess::Varnak

#endif  // ORV_TESS_VARNAK_STDCOMPOSITIONKVALUETABLE_H
