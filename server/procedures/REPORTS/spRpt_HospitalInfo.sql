-- REPORTS..spRpt_HospitalInfo
-- The hospital's heading for printed reports: name, address lines, the
-- department title and the tax number.
-- returns: Company, Address1, Address2, Title, TIN (one row)
SELECT Company, isnull(Address1, '') AS Address1, isnull(Address2, '') AS Address2,
       isnull(Title, '') AS Title, isnull(TIN, '') AS TIN
FROM PATIENT_DATA..tbHospitalInfo
LIMIT 1;
