-- BUILD_FILE..spICD_Search
-- The ICD-10 list: codes that begin with the filter, or whose description
-- does, by code; at most 200 rows. Sex names the sex a code must not be used
-- for (M: a female-only code, F: a male-only code).
-- @Filter: an ICD-10 code, or the start of the description ('' lists all)
-- returns: Code, Description, Sex, AppliesTo
-- when: @Filter = ''
SELECT Code, Description, coalesce(Sex, '') AS Sex,
       CASE Sex WHEN 'M' THEN 'FEMALE ONLY' WHEN 'F' THEN 'MALE ONLY' ELSE '' END AS AppliesTo
FROM BUILD_FILE..tbICDDiagMain
ORDER BY Code
LIMIT 200;
-- when: @Filter <> ''
SELECT Code, Description, coalesce(Sex, '') AS Sex,
       CASE Sex WHEN 'M' THEN 'FEMALE ONLY' WHEN 'F' THEN 'MALE ONLY' ELSE '' END AS AppliesTo
FROM BUILD_FILE..tbICDDiagMain
WHERE (Code >= @Filter AND Code < @Filter || char(1114111))
   OR (Description >= @Filter COLLATE NOCASE AND Description < (@Filter || char(1114111)) COLLATE NOCASE)
ORDER BY CASE WHEN Code = @Filter THEN 0 ELSE 1 END, Code
LIMIT 200;
