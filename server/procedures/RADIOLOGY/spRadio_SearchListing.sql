-- RADIOLOGY..spRadio_SearchListing
-- The catalogue lists of the radiology search, at most 200 rows: 201 the
-- interpretation templates of a section (a department's revenue code lists all
-- its templates), 202 the sections, 203 the employees.
-- @List: 201 interpretation templates, 202 sections, 203 employees
-- @SectionID: the section or department of the templates (list 201; '' all)
-- @Filter: a code (template, section or employee) or the start of the name ('' lists all)
-- @FirstName = '': the start of an employee's first name (list 203; '' any)
-- returns: list 201: Code, Description, SectionID, SectionName, Interpretation; list 202: SectionID, SectionName, RevenueID; list 203: EmployeeID, LastName, FirstName, MiddleName, Position
-- when: @List = '201'
SELECT i.Code, i.Description, coalesce(i.SectionID, '') AS SectionID, coalesce(s.SectionName, '') AS SectionName,
       coalesce(i.Interpretation, '') AS Interpretation
FROM RADIOLOGY..tbMRIInterpretation i
LEFT JOIN BUILD_FILE..tbCoSection s ON s.SectionID = i.SectionID
WHERE (@SectionID = '' OR i.SectionID = @SectionID OR i.RevenueID = @SectionID)
  AND (@Filter = ''
       OR (i.Code >= @Filter AND i.Code < @Filter || char(1114111))
       OR instr(upper(i.Description), upper(@Filter)) > 0)
ORDER BY CASE WHEN i.Code = @Filter THEN 0 ELSE 1 END, i.Description, i.Code
LIMIT 200;
-- when: @List = '202'
SELECT SectionID, SectionName, coalesce(RevenueID, '') AS RevenueID
FROM BUILD_FILE..tbCoSection
WHERE @Filter = ''
   OR (SectionID >= @Filter AND SectionID < @Filter || char(1114111))
   OR instr(upper(SectionName), upper(@Filter)) > 0
ORDER BY CASE WHEN SectionID = @Filter THEN 0 ELSE 1 END, SectionName, SectionID
LIMIT 200;
-- when: @List = '203'
SELECT EmployeeID, LastName, coalesce(FirstName, '') AS FirstName, coalesce(MiddleName, '') AS MiddleName,
       coalesce(Position, '') AS Position
FROM PASSWORD..tbPasswordMain
WHERE Active = 1
  AND (EmployeeID = @Filter
       OR (@FirstName = '' AND EmployeeID >= @Filter AND EmployeeID < @Filter || char(1114111))
       OR (LastName >= @Filter COLLATE NOCASE AND LastName < (@Filter || char(1114111)) COLLATE NOCASE
           AND (@FirstName = '' OR (FirstName >= @FirstName COLLATE NOCASE
                                    AND FirstName < (@FirstName || char(1114111)) COLLATE NOCASE))))
ORDER BY CASE WHEN EmployeeID = @Filter THEN 0 ELSE 1 END, LastName, FirstName, EmployeeID
LIMIT 200;
