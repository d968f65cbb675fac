-- RADIOLOGY..spRadio_SearchRevenueCodes
-- The charging departments (revenue codes) a department's charge grids offer:
-- the codes active for MRI, and the asking department's own code. Mode 1 finds
-- a code exactly (its code or its name), mode 2 counts the candidates for a
-- search text (code beginning with it, or name containing it), mode 0 lists them.
-- @RevenueID: the department asking (MI)
-- @Mode: 1 exact, 2 count, 0 list
-- @Criteria: the typed text
-- returns: mode 1: RevenueID, Revenue, WithItems, AccountCode, GroupCode, SearchInventory, LocationID, CashCommunication, InvCode; mode 2: RecCount; mode 0: Description, Code (display text first)
-- when: @Mode = '1'
SELECT RevenueID, ItemName AS Revenue, WithItems, AccountCode, GroupCode, SearchInventory,
       LocationID, CashCommunication, InvCode
FROM BUILD_FILE..tbCoRevenueCode
WHERE (MRIActive = 'Y' OR RevenueID = @RevenueID)
  AND (RevenueID = @Criteria OR ItemName = @Criteria)
ORDER BY RevenueID;
-- when: @Mode = '2'
SELECT count(*) AS RecCount
FROM BUILD_FILE..tbCoRevenueCode
WHERE (MRIActive = 'Y' OR RevenueID = @RevenueID)
  AND (RevenueID LIKE @Criteria || '%' OR ItemName LIKE '%' || @Criteria || '%');
-- when: @Mode = '0'
SELECT ItemName AS Description, RevenueID AS Code
FROM BUILD_FILE..tbCoRevenueCode
WHERE (MRIActive = 'Y' OR RevenueID = @RevenueID)
  AND (RevenueID LIKE @Criteria || '%' OR ItemName LIKE '%' || @Criteria || '%')
ORDER BY RevenueID;
