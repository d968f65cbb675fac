-- RADIOLOGY..sp_saveICD10
-- Replaces the ICD-10 diagnoses of an admission in a department with the
-- codes given, in the order given; empty codes are passed over.
-- @IDNum: admission number
-- @Dept: department
-- @Code1: first diagnosis
-- @Code2: diagnosis 2
-- @Code3: diagnosis 3
-- @Code4: diagnosis 4
-- @Code5: diagnosis 5
-- @Code6: diagnosis 6
-- @Code7: diagnosis 7
-- @Code8: diagnosis 8
-- @Code9: diagnosis 9
-- @Code10: diagnosis 10
-- @Code11: diagnosis 11
-- @Code12: diagnosis 12
-- @Code13: diagnosis 13
-- @Code14: diagnosis 14
-- @Code15: diagnosis 15
-- @Code16: diagnosis 16
-- @Code17: diagnosis 17
-- @Code18: diagnosis 18
-- @Code19: diagnosis 19
-- @Code20 = '': not used (always sent empty)
-- returns: nothing
SELECT raise_error('No admission number was given for the diagnoses.') WHERE trim(@IDNum) = '';
DELETE FROM RADIOLOGY..tbXRICD10 WHERE IDNum = @IDNum AND Dept = @Dept;
INSERT INTO RADIOLOGY..tbXRICD10 (IDNum, Dept, Seq, DiagnosisID)
SELECT @IDNum, @Dept, row_number() OVER (ORDER BY n), code
FROM (SELECT 1 AS n, trim(@Code1) AS code UNION ALL SELECT 2, trim(@Code2) UNION ALL SELECT 3, trim(@Code3)
      UNION ALL SELECT 4, trim(@Code4) UNION ALL SELECT 5, trim(@Code5) UNION ALL SELECT 6, trim(@Code6)
      UNION ALL SELECT 7, trim(@Code7) UNION ALL SELECT 8, trim(@Code8) UNION ALL SELECT 9, trim(@Code9)
      UNION ALL SELECT 10, trim(@Code10) UNION ALL SELECT 11, trim(@Code11) UNION ALL SELECT 12, trim(@Code12)
      UNION ALL SELECT 13, trim(@Code13) UNION ALL SELECT 14, trim(@Code14) UNION ALL SELECT 15, trim(@Code15)
      UNION ALL SELECT 16, trim(@Code16) UNION ALL SELECT 17, trim(@Code17) UNION ALL SELECT 18, trim(@Code18)
      UNION ALL SELECT 19, trim(@Code19) UNION ALL SELECT 20, trim(@Code20))
WHERE code <> '';
