#pragma once

#include "components/StockDrug.h"

namespace tavrix {

// The drug and stock component: InitConnect is false when the connection is
// not open or the stock procedures cannot be used on it.
class StockDrugInfo : public DrugInfo {
public:
    bool InitConnect(Connection* connection) override;
    Drug& drug() override { return drug_; }

private:
    StockDrug drug_;
};

} // namespace tavrix
