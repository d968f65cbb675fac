-- PASSWORD..spPass_CheckLogin
-- Checks a user's log-in. The password arrives scrambled and is compared with
-- the stored salted hash; the server never keeps it in a form that can be read back.
-- @UserID: the user's log-in ID
-- @Password: the scrambled password
-- returns: EmployeeID, LastName, FirstName, MiddleName, Initial, Station, DeptCode, EmployeeName (no row: refused)
SELECT EmployeeID, LastName, FirstName, MiddleName, Initial, Station, DeptCode,
       FirstName || CASE WHEN isnull(MiddleName, '') <> '' THEN ' ' || substr(MiddleName, 1, 1) || '.' ELSE '' END
                 || ' ' || LastName AS EmployeeName
FROM PASSWORD..tbPasswordMain
WHERE UserID = @UserID AND Active = 1
  AND password_matches(@Password, PasswordSalt, PasswordHash) = 1;
