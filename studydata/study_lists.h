#pragma once
// Internal: the view installed for the learning and completed lists.
class StudyListView;
StudyListView* study_list_view();
