-- BUILD_FILE..spCode_SearchDoctor
-- The doctor list of the code search: active doctors whose code or last name
-- begins with the filter, by name; at most 200 rows (type more to narrow).
-- @Filter: a doctor code, or the start of the last name ('' lists all)
-- @FirstName = '': the start of the first name ('' any)
-- returns: DoctorID, LastName, FirstName, MiddleName, Title, Specialty
SELECT DoctorID, LastName, coalesce(FirstName, '') AS FirstName, coalesce(MiddleName, '') AS MiddleName,
       coalesce(Title, '') AS Title, coalesce(Specialty, '') AS Specialty
FROM BUILD_FILE..tbCoDoctor
WHERE Status = 'A'
  AND (DoctorID = @Filter
       OR (@FirstName = '' AND DoctorID >= @Filter AND DoctorID < @Filter || char(1114111))
       OR (LastName >= @Filter AND LastName < @Filter || char(1114111)
           AND (@FirstName = '' OR (FirstName >= @FirstName AND FirstName < @FirstName || char(1114111)))))
ORDER BY CASE WHEN DoctorID = @Filter THEN 0 ELSE 1 END, LastName, FirstName, DoctorID
LIMIT 200;
