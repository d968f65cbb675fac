-- BUILD_FILE..spInv_SearchDrug
-- One stock item of a location with its prices and stock on hand.
-- @ItemID: the item code
-- @LocationID: the stock location
-- returns: ItemID, LocationID, DrugName, Unit, IsDrug, SellingPriceIn, SellingPriceOut, OnHand (no row: not stocked there)
SELECT ItemID, LocationID, DrugName, coalesce(Unit, '') AS Unit, IsDrug, SellingPriceIn, SellingPriceOut, OnHand
FROM BUILD_FILE..tbInvMaster
WHERE ItemID = @ItemID AND LocationID = @LocationID;
