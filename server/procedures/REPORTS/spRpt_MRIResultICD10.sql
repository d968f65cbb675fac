-- REPORTS..spRpt_MRIResultICD10
-- The ICD-10 diagnoses recorded by the MRI department for the admission of a
-- request, in their order.
-- @RequestNum: the request
-- returns: Seq, Code, Description
SELECT x.Seq, x.DiagnosisID AS Code, isnull(i.Description, '') AS Description
FROM RADIOLOGY..tbXRICD10 x
LEFT JOIN BUILD_FILE..tbICDDiagMain i ON i.Code = x.DiagnosisID
WHERE x.Dept = 'MI'
  AND x.IDNum = (SELECT IDNum FROM RADIOLOGY..tbMRIRequest WHERE RequestNum = @RequestNum)
ORDER BY x.Seq;
