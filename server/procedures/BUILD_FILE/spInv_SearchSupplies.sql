-- BUILD_FILE..spInv_SearchSupplies
-- The items of one stock location for the supplies list: items whose code
-- begins with the filter or whose name contains it, by name; at most 200 rows.
-- @LocationID: the stock location
-- @Filter: an item code, or any part of the item name ('' lists all)
-- @DrugsOnly = '0': '1' lists medicines only
-- returns: ItemID, DrugName, Unit, SellingPriceIn, SellingPriceOut, OnHand, IsDrug
SELECT ItemID, DrugName, coalesce(Unit, '') AS Unit, SellingPriceIn, SellingPriceOut, OnHand, IsDrug
FROM BUILD_FILE..tbInvMaster
WHERE LocationID = @LocationID
  AND (@DrugsOnly <> '1' OR IsDrug = 1)
  AND (@Filter = ''
       OR (ItemID >= @Filter AND ItemID < @Filter || char(1114111))
       OR instr(upper(DrugName), upper(@Filter)) > 0)
ORDER BY CASE WHEN ItemID = @Filter THEN 0 ELSE 1 END, DrugName, ItemID
LIMIT 200;
