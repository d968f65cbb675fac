-- BUILD_FILE..spCode_SearchAddress
-- The address list of the code search: addresses whose code, town or province
-- begins with the filter, by town; at most 200 rows.
-- @Filter: an address (zip) code, or the start of the town or province ('' lists all)
-- returns: ZipCode, Town, Province
SELECT ZipCode, Town, coalesce(Province, '') AS Province
FROM BUILD_FILE..tbCoAddress
WHERE @Filter = ''
   OR (ZipCode >= @Filter AND ZipCode < @Filter || char(1114111))
   OR (Town >= @Filter AND Town < @Filter || char(1114111))
   OR (Province >= @Filter AND Province < @Filter || char(1114111))
ORDER BY CASE WHEN ZipCode = @Filter THEN 0 ELSE 1 END, Town, Province, ZipCode
LIMIT 200;
