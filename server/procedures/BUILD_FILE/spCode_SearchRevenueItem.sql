-- BUILD_FILE..spCode_SearchRevenueItem
-- The revenue items (exams) of a department or section for the code search:
-- active items whose code begins with the filter or whose name contains it,
-- by name; at most 200 rows.
-- @SectionID: the department (revenue code) or section whose items are listed ('' all)
-- @Filter: an item code, or any part of the item name ('' lists all)
-- returns: OtherRevenueID, OtherRevenue, RateA, RateB, RateC, RateD, RateE, RateF, RateG, RateH, Fixrate, RevenueID, SectionID
SELECT OtherRevenueID, OtherRevenue, RateA, RateB, RateC, RateD, RateE, RateF, RateG, RateH,
       coalesce(Fixrate, '') AS Fixrate, RevenueID, coalesce(SectionID, '') AS SectionID
FROM BUILD_FILE..tbCoOtherRevenue
WHERE Status = 'A'
  AND (@SectionID = '' OR RevenueID = @SectionID OR SectionID = @SectionID)
  AND (@Filter = ''
       OR (OtherRevenueID >= @Filter AND OtherRevenueID < @Filter || char(1114111))
       OR instr(upper(OtherRevenue), upper(@Filter)) > 0)
ORDER BY CASE WHEN OtherRevenueID = @Filter THEN 0 ELSE 1 END, OtherRevenue, OtherRevenueID
LIMIT 200;
