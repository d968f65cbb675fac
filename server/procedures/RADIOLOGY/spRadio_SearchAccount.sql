-- RADIOLOGY..spRadio_SearchAccount
-- Finds the account (company, HMO) that pays for an admission or an
-- out-patient registration; the key may also be an account number itself.
-- Personal accounts have no company and return no row.
-- @Key: admission number, OPD number or account number
-- returns: AccountNum, Company (no row when there is no such account)
SELECT c.AccountNum, c.Company
FROM BUILD_FILE..tbCoCompany c
WHERE c.AccountNum = coalesce(
        (SELECT AccountNum FROM PATIENT_DATA..tbPatient WHERE IDNum = @Key),
        (SELECT AccountNum FROM PATIENT_DATA..tbOutPatient WHERE IdNum = @Key),
        @Key);
